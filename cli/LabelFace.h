#pragma once

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
