#pragma once

#include "Barcode.h"
#include "Profile.h"
#include "SettingsStore.h"

// The values of section "Barcode": Density and Ratio, which size every
// element of a symbol, and how Code 128 chooses code sets and ITF-14 bears.
using BarcodeSettings = BarWidths;

// The settings as the engine reads them: a missing value, or one outside its
// range, reads as its default.
BarcodeSettings ReadBarcodeSettings(QSettings& store);

// Writes, as integers, the values of wanted that differ from before (what the
// store read as). A value that does not change is not written, so the store
// is left exactly as it was when nothing changes.
void WriteBarcodeSettings(QSettings& store, const BarcodeSettings& before,
                          const BarcodeSettings& wanted);

// Bar width reduction for printers that spread ink: every bar of a printed
// page is this many dots narrower, every space as many dots wider, the module
// pitch unchanged. 0 (none) by default; a stored value out of range reads as 0.
int ReadBarReduction(QSettings& store);
// Writes the reduction when it differs from before.
void WriteBarReduction(QSettings& store, int before, int wanted);

// The profile reader the program installs for the engine: the settings store.
// The store is opened at the reader's first read and read again only when its
// file has changed (CSettingsStore), so a change is seen at the next symbol.
ProfileReader SettingsStoreReader();
