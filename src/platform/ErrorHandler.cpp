#include "platform/ErrorHandler.h"

#include "core/AppError.h"
#include "platform/Platform.h"

#include <QString>
#include <exception>

void runGuarded(const std::function<void()> &body)
{
    try {
        body();
    } catch (const AppError &e) {
        Platform::get().showError(e.message());
    } catch (const std::exception &e) {
        Platform::get().showError(QString::fromUtf8(e.what()));
    }
}
