#include "shellstyle.h"

QString mainWindowStyleSheet()
{
    // Text colours of the order buttons are not set here: they follow the
    // checked state through each button's palette.
    return QStringLiteral(R"(
#centralWidget {
    background: rgb(236, 238, 241);
}
#Coolbar1 {
    border: none;
    border-bottom: 1px solid rgb(112, 112, 112);
    padding: 0px;
    spacing: 0px;
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
                                stop: 0 rgb(192, 192, 192), stop: 1 rgb(128, 128, 128));
}
#Coolbar1 QToolButton {
    border: 1px solid transparent;
    border-radius: 2px;
    background: transparent;
    padding: 0px;
    margin: 0px;
}
#Coolbar1 QToolButton:hover {
    border-color: rgb(0, 0, 128);
    background: rgb(255, 221, 166);
}
#Coolbar1 QToolButton:checked {
    border-color: rgb(0, 0, 128);
    background: rgb(255, 192, 111);
}
#Coolbar1 QToolButton:pressed {
    border-color: rgb(0, 0, 128);
    background: rgb(254, 128, 62);
}
#toolbarSeparator {
    background: rgb(128, 128, 128);
}
#tamLabel1 {
    color: white;
    background: transparent;
    font-size: 8pt;
}
#zoneReadout {
    color: black;
    background: rgba(255, 255, 255, 220);
    border: 1px solid rgb(0, 0, 128);
    border-radius: 2px;
    padding: 0px 4px;
    font-size: 8pt;
}
#Command1 {
    border: 1px solid rgb(0, 0, 128);
    border-radius: 3px;
    padding: 0px 8px;
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
                                stop: 0 rgb(250, 250, 250), stop: 1 rgb(222, 224, 228));
    color: black;
}
#Command1:hover {
    background: rgb(255, 221, 166);
}
#Command1:pressed {
    background: rgb(254, 128, 62);
}
QGroupBox {
    border: 1px solid rgb(170, 176, 186);
    border-radius: 4px;
    margin-top: 8px;
    background: rgb(248, 249, 250);
    font-weight: bold;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 8px;
    padding: 0px 4px;
    color: rgb(40, 52, 76);
}
#MSFlexGrid1 {
    border: 1px solid rgb(170, 176, 186);
    gridline-color: rgb(214, 218, 224);
    background: white;
    font-weight: normal;
}
#MSFlexGrid1 QHeaderView::section {
    background: rgb(228, 231, 236);
    border: none;
    border-right: 1px solid rgb(200, 204, 212);
    border-bottom: 1px solid rgb(200, 204, 212);
    padding: 2px 4px;
    font-weight: bold;
}
#Picture1 {
    border: none;
}
#StatusBar1 {
    background: rgb(228, 231, 236);
    border-top: 1px solid rgb(170, 176, 186);
}
#StatusBar1 QLabel {
    border: 1px solid rgb(190, 195, 204);
    border-radius: 2px;
    margin: 2px 1px;
    padding: 0px;
    background: rgb(244, 245, 247);
    /* small enough for the longest tree count beside the label check box */
    font-size: 7.5pt;
    color: rgb(30, 30, 30);
}
)");
}
