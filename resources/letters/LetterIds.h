#ifndef TESSIK_RESOURCES_LETTERS_LETTER_IDS_H
#define TESSIK_RESOURCES_LETTERS_LETTER_IDS_H

// Read by the resource compiler as well as by C++, so a plain macro.
//
// The letter table's pictures: one 24-bit bitmap, 55 cells of 36 x 36 pixels
// side by side in row order; 0xC0C0C0 (silver) is the transparent colour.
// Load it with ImageList_LoadImage(instance, MAKEINTRESOURCE(IDB_LETTER_PICTURES),
// 36, 0, RGB(192, 192, 192), IMAGE_BITMAP, LR_CREATEDIBSECTION).
#define IDB_LETTER_PICTURES 300

#endif
