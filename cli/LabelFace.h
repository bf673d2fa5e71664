#pragma once

#include <QString>

// Sets up the fonts the labels are drawn with before the first label: the
// label face's file alone (Liberation Mono, metric-compatible with Courier New
// and what the system's own matching gives for it), with the system's default
// hinting, instead of a scan of every font and configuration file on the
// system. A run that draws one symbol spends most of its time there otherwise.
// Returns false, changing nothing, when the face is not installed: the
// system's fonts are used then.
//
// Call it before the application object is made.
bool UseLabelFaceOnly();

// What, besides the font's size and the device, decides the pixels of the
// label's glyphs, as one text for the label store: the face file (its path,
// size and time), the painter's and the rasteriser's libraries as loaded, and
// the settings they read from the environment. Empty when the face is not
// installed: the system's own choice of font is nothing to keep glyphs of.
QString LabelFaceIdentity();
