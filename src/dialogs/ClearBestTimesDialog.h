// Form5: asks before emptying the best-time table of every board size.
#pragma once

#include "GameState.h"
#include "TwipsDialog.h"

namespace surabe {

class ClearBestTimesDialog : public TwipsDialog {
    Q_OBJECT
public:
    ClearBestTimesDialog(GameState &state, QWidget *parent = nullptr);

private:
    void ClearTable();

    GameState &state_;
};

} // namespace surabe
