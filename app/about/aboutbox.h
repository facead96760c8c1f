// The About box: the program's picture, its name and version, and OK.
#pragma once

#include <QImage>

class QDialog;
class QWidget;

constexpr unsigned IDD_ABOUTBOX = 100;
constexpr int kAboutPictureWidth = 125;
constexpr int kAboutPictureHeight = 161;

class CAboutBox {
public:
    int DoModal(QWidget* pParent = nullptr);
    // The window, owned by the caller; DoModal runs it.
    QDialog* CreateDialogWindow(QWidget* pParent);
};

// A pair of drawing compasses over a ruler, 125 x 161 pixels.
QImage AboutPicture();
