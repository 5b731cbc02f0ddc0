// Form6: records a new best time under the name the player types.
#pragma once

#include "GameState.h"
#include "TwipsDialog.h"

class QLineEdit;

namespace surabe {

class BestTimeEntryDialog : public TwipsDialog {
    Q_OBJECT
public:
    BestTimeEntryDialog(GameState &state, QWidget *parent = nullptr);

private:
    void StoreRecord();

    GameState &state_;
    QLineEdit *name_;
};

} // namespace surabe
