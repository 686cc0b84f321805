#pragma once

// For the sources of the preview only: ZXing-C++ is linked to the preview and to nothing above it.
#include "preview/LinearSymbol.h"

#include <ZXing/BarcodeFormat.h>

// The decoder's and encoder's name of a symbology.
inline ZXing::BarcodeFormat ZXingFormatOf(TSymbology symbology)
{
    switch (symbology) {
    case TSymbology::EAN8:
        return ZXing::BarcodeFormat::EAN8;
    case TSymbology::EAN13:
        return ZXing::BarcodeFormat::EAN13;
    case TSymbology::UPCA:
        return ZXing::BarcodeFormat::UPCA;
    case TSymbology::UPCE:
        return ZXing::BarcodeFormat::UPCE;
    case TSymbology::Code128:
    case TSymbology::GS1_128:
        return ZXing::BarcodeFormat::Code128;
    case TSymbology::Code39:
        return ZXing::BarcodeFormat::Code39;
    case TSymbology::ITF:
        return ZXing::BarcodeFormat::ITF;
    }
    return ZXing::BarcodeFormat::None;
}
