// The user-interface side of the sync call table in the Qt program: an object on the
// user-interface thread that receives posted calls through queued invocations, as the hidden
// message window did.
#pragma once

#include "serial/SpSyncCall.h"

#include <QObject>
#include <functional>

class TSpQtSyncUi : public QObject, public TSpSyncUi {
    Q_OBJECT
public:
    // Create it on the user-interface thread.
    explicit TSpQtSyncUi(QObject* parent = nullptr);

    void Post(std::function<void()> call) override;
    bool IsUiThread() const override;
    // Calls OnException (the program's error box), or writes to the debug output.
    void ShowException(std::exception_ptr error) override;

    std::function<void(std::exception_ptr)> OnException;
};
