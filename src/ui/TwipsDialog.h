// Base of the modal dialogs: a client area and controls placed in twips, in tab order, with the design's colours.
#pragma once

#include "Colours.h"

#include <QDialog>

#include <initializer_list>

class QLabel;
class QLineEdit;
class QPushButton;

namespace surabe {

class TwipsDialog : public QDialog {
public:
    struct ClientArea {
        int left, top, width, height; // twips on the screen
    };
    struct ControlPlace {
        QWidget *control;
        int left, top, width, height; // twips in the client area
    };

protected:
    TwipsDialog(QWidget *parent, const char *objectName, const QString &caption, ClientArea area,
                const QColor &background);

    // Places the controls and chains them in this tab order.
    void PlaceInTabOrder(std::initializer_list<ControlPlace> controls);

    QLabel *MakeLabel(const char *objectName, const QString &caption, const QColor &background,
                      const QColor &text);
    QLineEdit *MakeTextBox(const char *objectName);
    QPushButton *MakeButton(const char *objectName, const QString &caption);

    // The label's access keys, the Latin letter and the kana one, move the focus to `control`.
    void SetBuddy(QLabel *label, QWidget *control);
};

} // namespace surabe
