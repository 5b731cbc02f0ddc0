// Form2: the left and top margins, the block size and the level, edited as text.
#include "SettingsDialog.h"

#include "NumberReader.h"
#include "Text.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace surabe {

namespace {

// The settings in the order of the boxes, with the name the player sees beside each.
struct Field {
    const char *label;
    const char *box;
    const char *caption;
    const char *name;
    int top;
    Int16 GameState::*setting;
};

constexpr Field kFields[] = {
    {"Label1", "Text1", "左マージン(&L&ﾋ)", "左マージン", 120, &GameState::LeftMargin},
    {"Label2", "Text2", "上マージン(&T&ｳ)", "上マージン", 840, &GameState::TopMargin},
    {"Label3", "Text3", "ブロックサイズ(&B&ﾌ)", "ブロックサイズ", 1560, &GameState::BlockSize},
    {"Label4", "Text4", "レベル [1-5] (&V&ﾚ)", "レベル", 2280, &GameState::Level},
};

} // namespace

SettingsDialog::SettingsDialog(GameState &state, QWidget *parent)
    : TwipsDialog(parent, "Form2", QStringLiteral("動作環境設定"), {672, 1296, 5904, 3000}, kLightGrey), state_(state)
{
    QPushButton *ok = MakeButton("Command1", QStringLiteral("O K"));
    QPushButton *cancel = MakeButton("Command2", QStringLiteral("ｷｬﾝｾﾙ"));
    std::array<QLabel *, 4> labels{};
    for (std::size_t i = 0; i < 4; ++i) {
        labels[i] = MakeLabel(kFields[i].label, QString::fromUtf8(kFields[i].caption), kLightGrey, Qt::black);
        boxes_[i] = MakeTextBox(kFields[i].box);
        SetBuddy(labels[i], boxes_[i]);
    }
    PlaceInTabOrder({
        {ok, 4560, 120, 1092, 492},
        {cancel, 4560, 840, 1092, 492},
        {labels[0], 240, kFields[0].top, 1572, 492},
        {boxes_[0], 1920, kFields[0].top, 2172, 372},
        {labels[1], 240, kFields[1].top, 1572, 492},
        {boxes_[1], 1920, kFields[1].top, 2172, 372},
        {labels[2], 240, kFields[2].top, 1572, 492},
        {boxes_[2], 1920, kFields[2].top, 2172, 372},
        {labels[3], 240, kFields[3].top, 1572, 492},
        {boxes_[3], 1920, kFields[3].top, 2172, 372},
    });
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::StoreSettings);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    for (std::size_t i = 0; i < 4; ++i)
        boxes_[i]->setText(QString::fromStdString(DecimalText(state_.*kFields[i].setting)));
    ok->setFocus();
}

void SettingsDialog::StoreSettings()
{
    // All four are read before any is stored, so a refused value leaves every setting as it was.
    std::array<Int16, 4> values{};
    for (std::size_t i = 0; i < 4; ++i) {
        const std::optional<Int16> value = RoundToSetting(ReadLeadingNumber(boxes_[i]->text()));
        if (!value) {
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("%1には -32768 から 32767 までの数を入れてください。")
                                     .arg(QString::fromUtf8(kFields[i].name)));
            boxes_[i]->setFocus();
            boxes_[i]->selectAll();
            return;
        }
        values[i] = *value;
    }
    for (std::size_t i = 0; i < 4; ++i)
        state_.*kFields[i].setting = values[i];
    accept();
}

} // namespace surabe
