// vexctl params: the printer's parameters through the parameters editor, as its window edits them.
#include "CommandSupport.h"
#include "Commands.h"
#include "ConsoleStation.h"

#include "comm/CommChannel.h"
#include "parameters/ParameterEditor.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

using namespace Commands;

namespace {

// Asks the printer for its parameters and opens the editor on them.
std::optional<TParameterEditor> ReadParameters(TConsoleStation& station)
{
    TConsoleViews& views = station.Views();
    views.ParameterData.reset();
    if (!Ask(station, XLSend::RequestParameters, [&views] { return views.ParameterData.has_value(); }))
        return std::nullopt;
    TParameterEditor editor;
    editor.SetParameters(*views.ParameterData);
    return editor;
}

QString ModelText(const TParameterEditor& editor)
{
    const QString name = PrinterModels::Name(editor.ModelCode());
    return (name.isEmpty() ? QStringLiteral("model") : name) +
           QStringLiteral(" (%1)").arg(editor.ModelCode());
}

// Each setting of the model's page as its row shows it.
QStringList SettingTexts(const TParameterEditor& editor)
{
    QStringList texts;
    for (int row = 0; row < int(editor.Rows().size()); ++row)
        texts << editor.DisplayText(row);
    return texts;
}

QStringList Labels(const TParameterEditor& editor)
{
    QStringList labels;
    for (int row = 0; row < int(editor.Rows().size()); ++row)
        labels << editor.Label(row);
    return labels;
}

int Show(const TParameterEditor& editor, const TOptions& options, QTextStream& out)
{
    const QStringList labels = Labels(editor);
    const QStringList values = SettingTexts(editor);
    if (options.Json) {
        QJsonObject settings;
        for (int row = 0; row < labels.size(); ++row)
            settings.insert(labels[row], values[row]);
        const QJsonObject parameters{{QStringLiteral("model"), editor.ModelCode()},
                                     {QStringLiteral("modelName"), PrinterModels::Name(editor.ModelCode())},
                                     {QStringLiteral("settings"), settings}};
        out << QJsonDocument(parameters).toJson(QJsonDocument::Compact) << Qt::endl;
        return ExitCode::Ok;
    }
    qsizetype width = QStringLiteral("Model").size();
    for (const QString& label : labels)
        width = qMax(width, label.size());
    out << QStringLiteral("Model:").leftJustified(width + 2) << ModelText(editor) << Qt::endl;
    for (int row = 0; row < labels.size(); ++row)
        out << (labels[row] + QLatin1Char(':')).leftJustified(width + 2) << values[row] << Qt::endl;
    return ExitCode::Ok;
}

// Writes what differs from the printer's settings back as the window's "OK" does, and waits for the
// printer's flash write. A printer that has every setting already gets nothing, not even the flash
// write the ribbon printer's record asks for.
int WriteBack(TConsoleStation& station, TParameterEditor& editor, const QStringList& before, QTextStream& out)
{
    if (!editor.HasChanges()) {
        Err() << "the printer has these settings already: nothing sent" << Qt::endl;
        return ExitCode::Ok;
    }
    const QStringList after = SettingTexts(editor);
    for (qsizetype row = 0; row < after.size(); ++row)
        if (after[row] != before.value(row))
            out << editor.Label(int(row)) << ": " << before.value(row) << " -> " << after[row] << Qt::endl;
    TConsoleViews& views = station.Views();
    views.FlashWriteDone = false;
    station.Station().RecordParameterWrites(station.Printer()->Id(), editor.SendChanges(station.Manager()));
    if (!station.Await([&views] { return views.FlashWriteDone; }))
        return NoAnswer(QStringLiteral("while the parameters are written"));
    return FlashWriteResult(station);
}

// NAME=VALUE, in the order given: a choice of encoder source sets the speed, which a later
// assignment may change again.
int Set(TConsoleStation& station, TParameterEditor& editor, const QStringList& assignments, QTextStream& out)
{
    const QStringList before = SettingTexts(editor);
    for (const QString& assignment : assignments) {
        const qsizetype equals = assignment.indexOf(QLatin1Char('='));
        const QString name = assignment.left(equals).trimmed();
        const int row = editor.FindRow(name);
        if (row < 0) {
            Err() << name << ": the " << ModelText(editor) << " has no such setting; it has "
                  << Labels(editor).join(QLatin1String(", ")) << Qt::endl;
            return ExitCode::Refused;
        }
        const TEditResult result = editor.SetText(row, assignment.mid(equals + 1));
        if (result.Refused()) {
            Err() << result.Text() << Qt::endl;
            return ExitCode::Refused;
        }
    }
    return WriteBack(station, editor, before, out);
}

int Save(TParameterEditor& editor, const QString& path)
{
    const TFileResult saved = editor.Save(path);
    if (saved.Ok())
        return ExitCode::Ok;
    Err() << "vexctl: " << (saved.Error.isEmpty() ? saved.Collected.Text() : saved.Error) << Qt::endl;
    return ExitCode::Usage;
}

int Load(TConsoleStation& station, TParameterEditor& editor, const QString& path, QTextStream& out)
{
    const QStringList before = SettingTexts(editor);
    const TFileResult loaded = editor.Load(path);
    if (!loaded.Ok()) {
        Err() << (loaded.OtherModel ? QString() : QStringLiteral("vexctl: ")) << loaded.Error << Qt::endl;
        return loaded.OtherModel ? ExitCode::Refused : ExitCode::Usage;
    }
    return WriteBack(station, editor, before, out);
}

} // namespace

QString Commands::ParamsUsage(const QStringList& arguments)
{
    const QString action = arguments.value(0);
    if (action == QLatin1String("show") && arguments.size() == 1)
        return {};
    if ((action == QLatin1String("save") || action == QLatin1String("load")) && arguments.size() == 2)
        return {};
    if (action == QLatin1String("set") && arguments.size() > 1) {
        for (const QString& assignment : arguments.mid(1))
            if (assignment.indexOf(QLatin1Char('=')) <= 0)
                return QStringLiteral("params set takes NAME=VALUE, not '%1'").arg(assignment);
        return {};
    }
    return QStringLiteral("params takes show, set NAME=VALUE..., save FILE or load FILE");
}

int Commands::Params(TConsoleStation& station, const QStringList& arguments, const TOptions& options,
                     QTextStream& out)
{
    std::optional<TParameterEditor> editor = ReadParameters(station);
    if (!editor)
        return NoAnswer(QStringLiteral("the parameters request"));
    const QString action = arguments.value(0);
    if (action == QLatin1String("show"))
        return Show(*editor, options, out);
    if (action == QLatin1String("set"))
        return Set(station, *editor, arguments.mid(1), out);
    if (action == QLatin1String("save"))
        return Save(*editor, arguments.value(1));
    return Load(station, *editor, arguments.value(1), out);
}
