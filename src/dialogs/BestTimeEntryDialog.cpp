// Form6: records a new best time under the name the player types.
#include "BestTimeEntryDialog.h"

#include "Cp932.h"
#include "Text.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace surabe {

BestTimeEntryDialog::BestTimeEntryDialog(GameState &state, QWidget *parent)
    : TwipsDialog(parent, "Form6", QStringLiteral("ハイスコアの記録"), {732, 1308, 6552, 2640}, kLightGrey),
      state_(state)
{
    QLabel *course = MakeLabel("Label1", QString(), kLightGrey, Qt::black);
    QLabel *nameLabel = MakeLabel("Label2", QStringLiteral("名前(&N&ﾅ)"), kLightGrey, Qt::black);
    name_ = MakeTextBox("Text1");
    QPushButton *ok = MakeButton("Command1", QStringLiteral("O K"));
    QPushButton *cancel = MakeButton("Command2", QStringLiteral("ｷｬﾝｾﾙ"));
    PlaceInTabOrder({
        {course, 240, 240, 6012, 372},
        {nameLabel, 240, 1200, 852, 372},
        {name_, 1320, 1200, 4932, 372},
        {ok, 2280, 1920, 1092, 492},
        {cancel, 3720, 1920, 1092, 492},
    });
    SetBuddy(nameLabel, name_);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &BestTimeEntryDialog::StoreRecord);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    course->setTextFormat(Qt::PlainText);
    course->setText(QString::fromStdString(CourseText(state_.BoardSize, state_.ElapsedSec)));
    name_->setFocus();
}

void BestTimeEntryDialog::StoreRecord()
{
    const QString name = name_->text();
    // The settings file carries names between double quotes in code page 932: a name that
    // could not be read back the same is refused here, while the player can still fix it.
    const QString problem = WhyNameDoesNotFit(name);
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        name_->setFocus();
        return;
    }
    if (IsPlayableSize(state_.BoardSize)) {
        const int slot = BestSlotFor(state_.BoardSize);
        state_.BestName[slot] = name.toStdString();
        state_.BestTime[slot] = state_.ElapsedSec;
    }
    accept();
}

} // namespace surabe
