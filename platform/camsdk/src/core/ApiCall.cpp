#include "ApiCall.h"

namespace camsdk {

bool ApiCall::injected()
{
    int code = 0;
    if (!layer_.faults().take(function_, &code)) return false;
    finish(code);
    return true;
}

int ApiCall::finish(int error, int result)
{
    if (error) {
        layer_.setLastError(error);
        result = 0;
    }
    layer_.callLog().record(function_, clockMs_, args_, error ? std::string() : outputs_, result, error);
    return result;
}

}  // namespace camsdk
