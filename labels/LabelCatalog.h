#pragma once

#include "SheetLayout.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// Label stock from the system's label catalog: the template files a label
// package installs (XML, one file per maker or family, with the paper sizes
// beside them) and the user's own. Each template gives a maker, a part number,
// a description, the paper and one label shape with one or more grids.

struct CatalogStock {
    QString brand;       // "Avery"
    QString part;        // "5160"
    QString description; // "Address Labels"
    SheetLayout layout;  // named "Avery 5160"
};

struct LabelCatalog {
    std::vector<CatalogStock> stock; // in the order read, files by name
    // What was left out, one line each: the file, the template and why.
    QStringList notes;
};

// Reads every "*.xml" template file of the folders, with the paper sizes of
// "paper-sizes.xml" in each. A damaged file or template, or an element or
// unit not known, costs that template (or file) only, with a note. A
// template that is another's equivalent ("equiv") takes that one's geometry.
LabelCatalog ReadLabelCatalog(const QStringList& folders);

// The folders the system's catalog is read from: the installed package's, in
// every data folder of the system, then the user's own templates.
QStringList CatalogFolders();

// The system's catalog, read once on first use (safe from any thread).
const LabelCatalog& SystemLabelCatalog();

// The stock whose brand, part and description hold every word (any case),
// in the catalog's order; all of it for no words.
std::vector<const CatalogStock*> FindStock(const LabelCatalog& catalog, const QStringList& words);

// The stock named "brand part" (any case, spaces between), or none.
const CatalogStock* StockNamed(const LabelCatalog& catalog, const QString& name);

// Stock the user names: whatever ParseSheetLayout takes, or the system's
// catalog's stock of that brand and part ("Avery 5160", any case; the catalog
// is read on first use). Nothing, with *error saying why, otherwise.
std::optional<SheetLayout> ParseStock(std::string_view text, std::string* error);
