// Every interface method, notification and export runs its body through
// GuardCall so that no exception reaches the host: allocation failures become
// E_OUTOFMEMORY, anything else is logged and becomes E_FAIL.
#pragma once

#include <exception>
#include <new>

#include "core/exceptions.h"
#include "platform/log.h"
#include "sapi/com.h"

template <typename Body>
HRESULT GuardCall(const char* where, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const SException& e) {
        LogException(e.GetMessage(), where);
    } catch (const std::exception& e) {
        LogException(e.what(), where);
    } catch (...) {
        LogUnknownException(where);
    }
    return E_FAIL;
}
