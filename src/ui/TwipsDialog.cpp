// Base of the modal dialogs: a client area and controls placed in twips, in tab order, with the design's colours.
#include "TwipsDialog.h"

#include "AccessKeys.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace surabe {

TwipsDialog::TwipsDialog(QWidget *parent, const char *objectName, const QString &caption, ClientArea area,
                         const QColor &background)
    : QDialog(parent)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    PaintColours(this, background, palette().color(QPalette::WindowText));
    const QRect client = TwipsRectToPixels(area.left, area.top, area.width, area.height);
    setGeometry(client);
    setFixedSize(client.size());
}

void TwipsDialog::PlaceInTabOrder(std::initializer_list<ControlPlace> controls)
{
    QWidget *previous = nullptr;
    for (const ControlPlace &place : controls) {
        place.control->setGeometry(TwipsRectToPixels(place.left, place.top, place.width, place.height));
        if (previous && place.control->focusPolicy() != Qt::NoFocus)
            setTabOrder(previous, place.control);
        if (place.control->focusPolicy() != Qt::NoFocus)
            previous = place.control;
    }
}

QLabel *TwipsDialog::MakeLabel(const char *objectName, const QString &caption, const QColor &background,
                               const QColor &text)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PaintColours(label, background, text);
    return label;
}

QLineEdit *TwipsDialog::MakeTextBox(const char *objectName)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(objectName));
    PaintBlackOnWhite(box);
    return box;
}

void TwipsDialog::SetBuddy(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    AddKanaAccessKey(label);
}

QPushButton *TwipsDialog::MakeButton(const char *objectName, const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(true);
    return button;
}

} // namespace surabe
