// Form5: asks before emptying the best-time table of every board size.
#include "ClearBestTimesDialog.h"

#include <QLabel>
#include <QPushButton>

namespace surabe {

ClearBestTimesDialog::ClearBestTimesDialog(GameState &state, QWidget *parent)
    : TwipsDialog(parent, "Form5", QStringLiteral("ハイスコアのクリア"), {720, 1320, 4248, 1668}, kLightGrey),
      state_(state)
{
    QLabel *question = MakeLabel("Label1", QStringLiteral("よろしいですか？"), kLightGrey, Qt::black);
    QPushButton *ok = MakeButton("Command1", QStringLiteral("O K"));
    QPushButton *cancel = MakeButton("Command2", QStringLiteral("ｷｬﾝｾﾙ"));
    PlaceInTabOrder({
        {question, 360, 240, 3615, 495},
        {ok, 600, 960, 1212, 492},
        {cancel, 2400, 960, 1212, 492},
    });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ClearBestTimesDialog::ClearTable);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ok->setFocus();
}

void ClearBestTimesDialog::ClearTable()
{
    for (int slot = 1; slot <= kBestSlots; ++slot) {
        state_.BestTime[slot] = kEmptyBestTime;
        state_.BestName[slot] = kEmptyBestName;
    }
    accept();
}

} // namespace surabe
