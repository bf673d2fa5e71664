#pragma once

class QMainWindow;

// The label design items of the main window's File menu: New Label Design,
// Open Label Design..., the recent designs, Save Label Design and Save Label
// Design As... (these two act on the designer window last active).

// Adds the items at the top of the frame's first menu (File).
void AddDesignMenuItems(QMainWindow& frame);
