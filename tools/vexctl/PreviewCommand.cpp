// vexctl preview: a design file drawn as the printer will place it, with its barcodes read back.
#include "Commands.h"
#include "ConsoleStation.h"
#include "preview/LabelPreview.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <unistd.h>

namespace {

// Names for programs, in English whatever the station's language.
const char* const RenderingKeys[] = {"exact", "encoded", "substituted", "placeholder", "notDrawn"};
const char* const ResultKeys[] = {"readsBack", "readsOther", "unreadable", "notDrawn"};

QJsonObject Rectangle(const QRect& area)
{
    return {{QStringLiteral("x"), area.x()},
            {QStringLiteral("y"), area.y()},
            {QStringLiteral("width"), area.width()},
            {QStringLiteral("height"), area.height()}};
}

QJsonDocument Json(const TLabelPreview& preview, const QString& pngFile, int scale)
{
    QJsonArray items;
    for (const TLegendEntry& entry : preview.Legend) {
        QJsonObject item{{QStringLiteral("item"), entry.ItemNumber},
                         {QStringLiteral("type"), entry.TypeName},
                         {QStringLiteral("x"), entry.X},
                         {QStringLiteral("y"), entry.Y},
                         {QStringLiteral("rendering"), QLatin1String(RenderingKeys[int(entry.Rendering)])},
                         {QStringLiteral("content"), entry.Content},
                         {QStringLiteral("note"), entry.Note}};
        if (!entry.Area.isEmpty())
            item.insert(QStringLiteral("area"), Rectangle(entry.Area));
        if (const TReadBack* readBack = preview.ReadBackOf(entry.ItemNumber)) {
            item.insert(
                QStringLiteral("readBack"),
                QJsonObject{{QStringLiteral("result"), QLatin1String(ResultKeys[int(readBack->Result)])},
                            {QStringLiteral("expected"), readBack->Expected},
                            {QStringLiteral("read"), readBack->Read},
                            {QStringLiteral("reason"), readBack->Reason}});
        }
        items.append(item);
    }
    const QJsonObject picture{{QStringLiteral("file"), pngFile},
                              {QStringLiteral("width"), preview.Picture.width()},
                              {QStringLiteral("height"), preview.Picture.height()},
                              {QStringLiteral("scale"), scale},
                              {QStringLiteral("originX"), preview.Origin.x()},
                              {QStringLiteral("originY"), preview.Origin.y()}};
    return QJsonDocument(QJsonObject{{QStringLiteral("image"), preview.ImageName},
                                     {QStringLiteral("picture"), picture},
                                     {QStringLiteral("items"), items},
                                     {QStringLiteral("findings"), int(preview.Findings().size())}});
}

QString OneLine(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String(" / "))
        .replace(QLatin1Char('\n'), QLatin1String(" / "));
}

void Legend(const TLabelPreview& preview, const QString& pngFile, QTextStream& out)
{
    // Findings stand out in red on a terminal.
    const bool colour = isatty(STDOUT_FILENO) != 0;
    out << "Image " << preview.ImageName << ": " << preview.Picture.width() << " x "
        << preview.Picture.height() << " dots, the label's origin at pixel " << preview.Origin.x() << ","
        << preview.Origin.y() << ", in " << pngFile << Qt::endl;
    for (const TLegendEntry& entry : preview.Legend) {
        out << qSetFieldWidth(4) << Qt::right << entry.ItemNumber << qSetFieldWidth(0) << Qt::left << "  "
            << qSetFieldWidth(10) << entry.TypeName << qSetFieldWidth(0) << " at " << qSetFieldWidth(12)
            << QStringLiteral("%1,%2").arg(entry.X).arg(entry.Y) << qSetFieldWidth(13)
            << LabelPreview::RenderingName(entry.Rendering) << qSetFieldWidth(0) << OneLine(entry.Content)
            << " (" << entry.Note << ")" << Qt::endl;
    }
    if (preview.ReadBacks.isEmpty())
        return;
    out << "Read-back:" << Qt::endl;
    for (const TReadBack& readBack : preview.ReadBacks) {
        const bool finding = readBack.IsFinding();
        out << (finding && colour ? "\x1b[31m" : "") << qSetFieldWidth(4) << Qt::right << readBack.ItemNumber
            << qSetFieldWidth(0) << Qt::left << "  " << qSetFieldWidth(10) << readBack.TypeName
            << qSetFieldWidth(0) << " " << BarcodeReadBack::ResultName(readBack.Result) << ": "
            << (finding ? readBack.Reason + QLatin1String(", expected ") + readBack.Expected : readBack.Read)
            << (finding && colour ? "\x1b[0m" : "") << Qt::endl;
    }
}

} // namespace

int Commands::Preview(const QString& file, const TFontMap& fonts, const QString& outputFile, int scale,
                      const TOptions& options, QTextStream& out)
{
    QTextStream err(stderr);
    auto drawn = LabelPreview::FromFile(file, fonts);
    if (const auto* refusal = std::get_if<TPreviewRefusal>(&drawn)) {
        err << refusal->Text << Qt::endl;
        const bool unreadable = refusal->Error && refusal->Error->Kind == TImageErrorKind::FileUnreadable;
        return unreadable ? ExitCode::Usage : ExitCode::Refused;
    }
    const TLabelPreview& preview = std::get<TLabelPreview>(drawn);
    const QSize size = preview.Picture.size() * scale;
    if (qint64(size.width()) * size.height() > LabelPreview::MaxPixels) {
        err << "vexctl: a picture of " << size.width() << " x " << size.height()
            << " pixels is too large; give a smaller --scale" << Qt::endl;
        return ExitCode::Usage;
    }
    const QString pngFile =
        outputFile.isEmpty() ? QFileInfo(file).completeBaseName() + QLatin1String(".png") : outputFile;
    const QImage picture = scale == 1
                               ? preview.Picture
                               : preview.Picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!picture.save(pngFile, "PNG")) {
        err << "vexctl: cannot write " << pngFile << Qt::endl;
        return ExitCode::Usage;
    }
    if (options.Json)
        out << Json(preview, pngFile, scale).toJson(QJsonDocument::Compact) << Qt::endl;
    else
        Legend(preview, pngFile, out);
    return preview.Findings().isEmpty() ? ExitCode::Ok : ExitCode::BarcodeUnreadable;
}
