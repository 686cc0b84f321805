#include "preview/LinearSymbol.h"

#include "comm/XLMessage.h"
#include "images/Code128Items.h"
#include "images/CoderImageItemList.h"
#include "images/Code39Items.h"
#include "images/EAN128Items.h"
#include "images/EANUPCItems.h"
#include "images/ITFItems.h"
#include "images/ItemPayload.h"
#include "preview/PreviewTexts.h"
#include "preview/ZXingFormat.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using BarcodeSymbols::EanUpcSymbology;

namespace LinearSymbols {
namespace {

// What the printer receives of a 16-bit size: its low 16 bits.
int Sent16(qint64 value)
{
    return int(value & 0xFFFF);
}

// ZXing-C++'s writer takes the FNC1 function character as this character.
constexpr QChar WriterFnc1(0x00F1);
constexpr QChar GroupSeparator(0x1D); // what a scanner gives for an FNC1 between element strings

// The first character a symbology of the ASCII range cannot hold, if any.
std::optional<QChar> FirstBeyondAscii(const QString& data)
{
    for (QChar c : data) {
        if (c.unicode() > 0x7F)
            return c;
    }
    return std::nullopt;
}

QString CannotEncode(QChar c)
{
    return PreviewText(PreviewTexts::CharacterNotEncodable).arg(c);
}

// The modules the library's writer makes of contents, '1' for a bar; otherwise the writer's reason.
std::variant<std::string, QString> WriterModules(ZXing::BarcodeFormat format, const QString& contents)
{
    try {
        const ZXing::BitMatrix matrix =
            ZXing::MultiFormatWriter(format).setMargin(0).encode(contents.toStdWString(), 0, 0);
        std::string modules(size_t(matrix.width()), '0');
        for (int x = 0; x < matrix.width(); ++x)
            modules[size_t(x)] = matrix.get(x, 0) ? '1' : '0';
        return modules;
    } catch (const std::exception& refusal) {
        return QString::fromUtf8(refusal.what());
    }
}

// The dot columns of the writer's modules. With wide 0 each module is narrow dots wide (Code 128);
// otherwise each element of one module is narrow dots wide and each longer one wide dots (Code 39
// and ITF, whose writers make wide elements of two or three modules).
std::variant<QByteArray, QString> Columns(const std::string& modules, int narrow, int wide)
{
    std::vector<std::pair<char, qint64>> elements; // colour and width in dots
    qint64 total = 0;
    for (size_t start = 0; start < modules.size();) {
        size_t end = start;
        while (end < modules.size() && modules[end] == modules[start])
            ++end;
        const qint64 run = qint64(end - start);
        const qint64 dots = wide == 0 ? run * narrow : (run == 1 ? narrow : wide);
        elements.emplace_back(modules[start] == '1' ? TLinearSymbol::Bar : TLinearSymbol::Space, dots);
        total += dots;
        start = end;
    }
    if (total > MaxWidth)
        return PreviewText(PreviewTexts::SymbolTooWide).arg(total).arg(MaxWidth);
    QByteArray columns;
    columns.reserve(total);
    for (const auto& [colour, dots] : elements)
        columns.append(qsizetype(dots), colour);
    return columns;
}

// Fills in the columns of an encoded symbol and its quiet zones.
std::variant<TLinearSymbol, QString> Encoded(TLinearSymbol symbol, const QString& contents, int wide = 0)
{
    if (symbol.Module == 0)
        return PreviewText(PreviewTexts::ModuleWidthZero);
    const bool hasWideElements =
        symbol.Symbology == TSymbology::Code39 || symbol.Symbology == TSymbology::ITF;
    if (hasWideElements && wide == 0)
        return PreviewText(PreviewTexts::WideWidthZero);
    auto modules = WriterModules(ZXingFormatOf(symbol.Symbology), contents);
    if (auto* refusal = std::get_if<QString>(&modules))
        return *refusal;
    auto columns = Columns(std::get<std::string>(modules), symbol.Module, wide);
    if (auto* refusal = std::get_if<QString>(&columns))
        return *refusal;
    symbol.Columns = std::get<QByteArray>(columns);
    symbol.LongBarHeight = symbol.BarHeight;
    symbol.QuietLeft = symbol.QuietRight = TLinearSymbol::QuietModules * symbol.Module;
    return symbol;
}

std::variant<TLinearSymbol, QString> EanUpcSymbol(EANUPC_Item& item, const TFontMap& fonts)
{
    TXLMessage message;
    if (std::optional<TImageError> error = item.WriteToMessage(message, fonts))
        return error->Detail;
    // After the item header and the kind: module width, bar height, long bar height, the quiet
    // zones and the text value, the digits closed by 0, then the symbol characters.
    const QByteArray body = message.Body();
    constexpr qsizetype DigitsAt = 16;
    const qsizetype digitsEnd = body.indexOf('\0', DigitsAt);
    if (digitsEnd < 0 || body.size() < digitsEnd + 1 + BarcodeSymbols::SymbolByteCount)
        return PreviewText(PreviewTexts::PayloadUnreadable);
    const auto byte = [&body](qsizetype at) { return int(quint8(body.at(at))); };

    const auto symbology = EanUpcSymbology(item.BarcodeKind);
    std::array<quint8, BarcodeSymbols::SymbolByteCount> characters{};
    for (size_t i = 0; i < characters.size(); ++i)
        characters[i] = quint8(byte(digitsEnd + 1 + qsizetype(i)));

    TLinearSymbol symbol;
    symbol.Symbology = std::array{TSymbology::EAN8, TSymbology::EAN13, TSymbology::UPCA,
                                  TSymbology::UPCE}[size_t(symbology)];
    symbol.Module = byte(8);
    symbol.BarHeight = byte(9) | byte(10) << 8;
    symbol.LongBarHeight = byte(11) | byte(12) << 8;
    symbol.QuietLeft = std::max(byte(13), TLinearSymbol::QuietModules * symbol.Module);
    symbol.QuietRight = std::max(byte(14), TLinearSymbol::QuietModules * symbol.Module);
    symbol.FromStationModules = true;
    for (char module : EanUpcModules(symbology, characters))
        symbol.Columns.append(symbol.Module, module);
    symbol.Shown = QString::fromLatin1(body.mid(DigitsAt, digitsEnd - DigitsAt));
    // A scanner gives UPC-E with its number system, 0.
    symbol.Expected = symbology == EanUpcSymbology::UPCE ? QLatin1Char('0') + symbol.Shown : symbol.Shown;
    return symbol;
}

std::variant<TLinearSymbol, QString> Code128Symbol(const CODE128_Item& item)
{
    if (std::optional<QChar> c = FirstBeyondAscii(item.Data))
        return CannotEncode(*c);
    TLinearSymbol symbol;
    symbol.Symbology = TSymbology::Code128;
    symbol.Module = ItemPayload::LowByte(item.ModuleWidth);
    symbol.BarHeight = Sent16(item.BarHeight);
    symbol.Expected = symbol.Shown = item.Data;
    return Encoded(std::move(symbol), item.Data);
}

// Each element is its application identifier (the digits of ElementText1) and its value
// (ElementText4); an FNC1 leads the symbol and ends every element of variable length but the last.
std::variant<TLinearSymbol, QString> Gs1Symbol(const EAN128_Item& item)
{
    if (item.Elements.empty())
        return PreviewText(PreviewTexts::NoElements);
    TLinearSymbol symbol;
    symbol.Symbology = TSymbology::GS1_128;
    symbol.Module = ItemPayload::LowByte(item.ModuleWidth);
    symbol.BarHeight = Sent16(item.BarHeight);
    QString contents(WriterFnc1);
    for (size_t i = 0; i < item.Elements.size(); ++i) {
        const EAN128_Element& element = item.Elements[i];
        QString identifier;
        for (QChar c : element.ElementText1) {
            if (c >= u'0' && c <= u'9')
                identifier.append(c);
        }
        if (identifier.size() < 2 || identifier.size() > 4)
            return PreviewText(PreviewTexts::NoApplicationIdentifier).arg(i + 1).arg(element.ElementText1);
        if (std::optional<QChar> c = FirstBeyondAscii(element.ElementText4))
            return CannotEncode(*c);
        contents += identifier + element.ElementText4;
        symbol.Expected += identifier + element.ElementText4;
        symbol.Shown += QLatin1Char('(') + identifier + QLatin1Char(')') + element.ElementText4;
        if (i + 1 < item.Elements.size() && !HasPredefinedLength(identifier)) {
            contents += WriterFnc1;
            symbol.Expected += GroupSeparator;
        }
    }
    return Encoded(std::move(symbol), contents);
}

std::variant<TLinearSymbol, QString> Code39Symbol(const Code39_Item& item)
{
    if (std::optional<QChar> c = FirstBeyondAscii(item.Data))
        return CannotEncode(*c);
    static const QString basicSet = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%");
    TLinearSymbol symbol;
    symbol.Symbology = TSymbology::Code39;
    symbol.Module = Sent16(item.NarrowWidth);
    symbol.BarHeight = Sent16(item.BarHeight);
    symbol.ExtendedCode39 =
        std::any_of(item.Data.begin(), item.Data.end(), [](QChar c) { return !basicSet.contains(c); });
    symbol.Expected = symbol.Shown = item.Data;
    return Encoded(std::move(symbol), item.Data,
                   Sent16(BarcodeSymbols::WideElementWidth(item.WideRatio, item.NarrowWidth)));
}

// The item carries no bar height of its own: its bars are as high as the item.
std::variant<TLinearSymbol, QString> ItfSymbol(const ITF_Item& item)
{
    TLinearSymbol symbol;
    symbol.Symbology = TSymbology::ITF;
    symbol.Module = Sent16(item.NarrowWidth);
    symbol.BarHeight = Sent16(std::max(item.Height, 0));
    symbol.Expected = symbol.Shown = item.Data;
    return Encoded(std::move(symbol), item.Data,
                   Sent16(BarcodeSymbols::WideElementWidth(item.WideRatio, item.NarrowWidth)));
}

} // namespace

std::variant<TLinearSymbol, QString> Of(BarcodeItem& item, const TFontMap& fonts)
{
    if (auto* eanUpc = dynamic_cast<EANUPC_Item*>(&item))
        return EanUpcSymbol(*eanUpc, fonts);
    if (auto* code128 = dynamic_cast<const CODE128_Item*>(&item))
        return Code128Symbol(*code128);
    if (auto* gs1 = dynamic_cast<const EAN128_Item*>(&item))
        return Gs1Symbol(*gs1);
    if (auto* code39 = dynamic_cast<const Code39_Item*>(&item))
        return Code39Symbol(*code39);
    if (auto* itf = dynamic_cast<const ITF_Item*>(&item))
        return ItfSymbol(*itf);
    return PreviewText(PreviewTexts::PayloadUnreadable);
}

QString DataOf(const BarcodeItem& item)
{
    if (const QString* data = BarcodeData(item))
        return *data;
    QString elements;
    if (auto* gs1 = dynamic_cast<const EAN128_Item*>(&item)) {
        for (const EAN128_Element& element : gs1->Elements)
            elements += QLatin1Char('(') + element.ElementText1 + QLatin1Char(')') + element.ElementText4;
    }
    return elements;
}

QByteArray EanUpcModules(EanUpcSymbology symbology,
                         const std::array<quint8, BarcodeSymbols::SymbolByteCount>& symbolCharacters)
{
    QByteArray modules;
    const auto guard = [&modules](const char* pattern) {
        for (const char* module = pattern; *module; ++module)
            modules.append(*module == '1' ? TLinearSymbol::LongBar : TLinearSymbol::Space);
    };
    // The station sends the characters from the right end of the symbol: from is the leftmost.
    const auto characters = [&](int from, int to) {
        for (int i = from; i >= to; --i) {
            for (int bit = 6; bit >= 0; --bit)
                modules.append((symbolCharacters[size_t(i)] >> bit) & 1 ? TLinearSymbol::Bar
                                                                        : TLinearSymbol::Space);
        }
    };
    switch (symbology) {
    case EanUpcSymbology::EAN13:
    case EanUpcSymbology::UPCA:
        guard("101");
        characters(11, 6);
        guard("01010");
        characters(5, 0);
        guard("101");
        break;
    case EanUpcSymbology::EAN8:
        guard("101");
        characters(7, 4);
        guard("01010");
        characters(3, 0);
        guard("101");
        break;
    case EanUpcSymbology::UPCE:
        guard("101");
        characters(5, 0);
        guard("010101");
        break;
    }
    return modules;
}

bool HasPredefinedLength(QStringView applicationIdentifier)
{
    // The two-digit prefixes of the element strings of predefined length.
    static const QStringList prefixes =
        QStringList{"00", "01", "02", "03", "04", "11", "12", "13", "14", "15", "16",
                    "17", "18", "19", "20", "31", "32", "33", "34", "35", "36", "41"};
    return applicationIdentifier.size() >= 2 && prefixes.contains(applicationIdentifier.first(2).toString());
}

} // namespace LinearSymbols
