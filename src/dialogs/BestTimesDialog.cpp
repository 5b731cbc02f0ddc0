// Form4: the best time and name of every board size, on blue.
#include "BestTimesDialog.h"

#include "Text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace surabe {

namespace {

const QColor kBlue(0, 0, 255);

} // namespace

BestTimesDialog::BestTimesDialog(const GameState &state, QWidget *parent)
    : TwipsDialog(parent, "Form4", QStringLiteral("ハイスコア"), {732, 1320, 8712, 4692}, kBlue)
{
    auto label = [this](int number, const QString &caption) {
        const QByteArray name = "Label" + QByteArray::number(number);
        return MakeLabel(name.constData(), caption, kBlue, Qt::white);
    };
    std::array<QLabel *, 15> labels{};
    for (int row = 0; row < 5; ++row) {
        labels[row] = label(row + 1, QString::fromStdString(LevelName(row + 3)));
        labels[5 + row] = label(row + 6, QString());
        labels[10 + row] = label(row + 11, QString());
        // Times and names come from the file and the players: shown as written, never as markup.
        labels[5 + row]->setTextFormat(Qt::PlainText);
        labels[10 + row]->setTextFormat(Qt::PlainText);
    }
    QPushButton *back = MakeButton("Command1", QStringLiteral("戻る"));
    PlaceInTabOrder({
        {labels[0], 120, 240, 735, 495},     {labels[1], 120, 960, 735, 495},     {labels[2], 120, 1680, 735, 495},
        {labels[3], 120, 2400, 735, 495},    {labels[4], 120, 3120, 735, 495},    {labels[5], 1080, 240, 2055, 495},
        {labels[6], 1080, 960, 2055, 495},   {labels[7], 1080, 1680, 2055, 495},  {labels[8], 1080, 2400, 2055, 495},
        {labels[9], 1080, 3120, 2055, 495},  {labels[10], 3360, 240, 5175, 495},  {labels[11], 3360, 960, 5175, 495},
        {labels[12], 3360, 1680, 5175, 495}, {labels[13], 3360, 2400, 5175, 495}, {labels[14], 3360, 3120, 5175, 495},
        {back, 3600, 3960, 1092, 492},
    });
    back->setDefault(true);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    for (int slot = 1; slot <= kBestSlots; ++slot)
        labels[4 + slot]->setText(QString::fromStdString(RecordTimeText(state.BestTime[slot])));
    for (int slot = 1; slot <= kBestSlots; ++slot)
        labels[9 + slot]->setText(QString::fromStdString(state.BestName[slot]));
    back->setFocus();
}

void BestTimesDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    TwipsDialog::keyPressEvent(event);
}

} // namespace surabe
