// Form2: the left and top margins, the block size and the level, edited as text.
#pragma once

#include "GameState.h"
#include "TwipsDialog.h"

#include <array>

class QLineEdit;

namespace surabe {

class SettingsDialog : public TwipsDialog {
    Q_OBJECT
public:
    SettingsDialog(GameState &state, QWidget *parent = nullptr);

private:
    void StoreSettings();

    GameState &state_;
    std::array<QLineEdit *, 4> boxes_{}; // Text1..Text4: left margin, top margin, block size, level
};

} // namespace surabe
