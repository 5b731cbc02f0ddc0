// Form4: the best time and name of every board size, on blue.
#pragma once

#include "GameState.h"
#include "TwipsDialog.h"

namespace surabe {

class BestTimesDialog : public TwipsDialog {
    Q_OBJECT
public:
    BestTimesDialog(const GameState &state, QWidget *parent = nullptr);

protected:
    // "戻る" is the default button but no cancel button: Esc leaves the window open.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace surabe
