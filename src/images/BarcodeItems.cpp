#include "images/BarcodeItems.h"

#include "comm/XLMessage.h"
#include "images/BinaryFileStream.h"
#include "images/ItemPayload.h"

using BarcodeSymbols::EanUpcRefusal;

BarcodeItem::BarcodeItem(qint32 barcodeKind, QString typeName)
    : TCoderImageItem(ItemTypeCode::Barcode, std::move(typeName)), BarcodeKind(barcodeKind)
{}

void BarcodeItem::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    TCoderImageItem::ReadFromFile(stream, version);
    stream.ReadLongWord(); // the kind, read ahead already to choose the class
}

std::optional<TImageError> BarcodeItem::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    TCoderImageItem::WriteToMessage(message, fonts);
    message.WriteU8(ItemPayload::LowByte(BarcodeKind));
    return std::nullopt;
}

std::optional<TImageError> BarcodeItem::ReadFromPrinter(TXLMessage& message, TItemTable& table, int number)
{
    TCoderImageItem::ReadFromPrinter(message, table, number);
    Value = ItemData.Text4;
    return std::nullopt;
}

EANUPC_Item::EANUPC_Item(BarcodeSymbols::EanUpcSymbology symbology, QString typeName, QString data)
    : BarcodeItem(qint32(symbology), std::move(typeName)), Data(std::move(data)), m_symbology(symbology)
{}

void EANUPC_Item::ReadFromFile(TBinaryFileStream& stream, TDesignFileVersion version)
{
    BarcodeItem::ReadFromFile(stream, version);
    Data = stream.ReadString();
    BarHeight = stream.ReadInteger();
    ModuleWidth = stream.ReadInteger();
}

std::optional<TImageError> EANUPC_Item::WriteToMessage(TXLMessage& message, const TFontMap& fonts)
{
    // The symbol is coded aside first, so a refused item leaves the message untouched.
    TXLMessage symbol;
    const EanUpcRefusal refusal =
        BarcodeSymbols::WriteEanUpcPayload(symbol, m_symbology, Data, BarHeight, ModuleWidth);
    if (refusal != EanUpcRefusal::None)
        return Refusal(refusal);
    BarcodeItem::WriteToMessage(message, fonts);
    message.WriteBytes(symbol.Body());
    return std::nullopt;
}

TImageError EANUPC_Item::Refusal(EanUpcRefusal refusal) const
{
    TImageError error;
    error.Kind = TImageErrorKind::BarcodeNotEncodable;
    switch (refusal) {
    case EanUpcRefusal::ModuleWidthOutOfRange:
        error.Field = QStringLiteral("ModuleWidth");
        error.Value = QString::number(ModuleWidth);
        error.Detail = TranslatedImageText(ImageErrorTexts::ModuleWidthOutOfRange).arg(TypeName, error.Value);
        break;
    case EanUpcRefusal::DataNotDigits:
        error.Field = QStringLiteral("Data");
        error.Value = Data;
        error.Detail = TranslatedImageText(ImageErrorTexts::DataNotDigits).arg(TypeName, Data);
        break;
    case EanUpcRefusal::DataTooShort:
        error.Field = QStringLiteral("Data");
        error.Value = Data;
        error.Detail = TranslatedImageText(ImageErrorTexts::DataTooShort)
                           .arg(TypeName, Data, QString::number(BarcodeSymbols::DataDigitCount(m_symbology)));
        break;
    case EanUpcRefusal::None:
        break;
    }
    return error;
}
