// Key filters of the numeric fields as validators, so that pasted or dropped text obeys the
// same rules as typed keys: characters the filter would swallow are dropped, the rest stay.
#pragma once

#include <QValidator>

class TFiltrPole : public QValidator {
public:
    // `realne`: digits and one decimal separator `oddelovac`; otherwise digits only.
    TFiltrPole(bool realne, char oddelovac, QObject* rodic)
        : QValidator(rodic), realne_(realne), oddelovac_(oddelovac) {}
    State validate(QString& text, int& pozice) const override;

private:
    bool realne_;
    char oddelovac_;
};

// The decimal separator of the user's locale as one character ('.' when it has none).
char OddelovacLocale();
