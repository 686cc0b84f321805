#pragma once

#include "images/BarcodeItems.h"

// The four EAN/UPC symbologies. Data holds 7, 12, 11 or 6 digits without the check digit.

class EAN8_Item : public EANUPC_Item
{
public:
    EAN8_Item();
};

class EAN13_Item : public EANUPC_Item
{
public:
    EAN13_Item();
};

class UPCA_Item : public EANUPC_Item
{
public:
    UPCA_Item();
};

// Number system 0 only; the check digit is that of the UPC-A number the six digits stand for.
class UPCE_Item : public EANUPC_Item
{
public:
    UPCE_Item();
};
