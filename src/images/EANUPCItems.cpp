#include "images/EANUPCItems.h"

using BarcodeSymbols::EanUpcSymbology;

static_assert(qint32(EanUpcSymbology::EAN8) == BarcodeKindCode::EAN8);
static_assert(qint32(EanUpcSymbology::EAN13) == BarcodeKindCode::EAN13);
static_assert(qint32(EanUpcSymbology::UPCA) == BarcodeKindCode::UPCA);
static_assert(qint32(EanUpcSymbology::UPCE) == BarcodeKindCode::UPCE);

EAN8_Item::EAN8_Item() : EANUPC_Item(EanUpcSymbology::EAN8, QStringLiteral("EAN8"), QStringLiteral("0123456"))
{}

EAN13_Item::EAN13_Item()
    : EANUPC_Item(EanUpcSymbology::EAN13, QStringLiteral("EAN13"), QStringLiteral("012345678901"))
{}

UPCA_Item::UPCA_Item()
    : EANUPC_Item(EanUpcSymbology::UPCA, QStringLiteral("UPC-A"), QStringLiteral("01234567890"))
{}

UPCE_Item::UPCE_Item() : EANUPC_Item(EanUpcSymbology::UPCE, QStringLiteral("UPC-E"), QStringLiteral("012345"))
{}
