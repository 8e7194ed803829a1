// Every interface method, notification and export runs its body through
// GuardCall so that no exception reaches the host: allocation failures become
// E_OUTOFMEMORY, anything else is logged and becomes E_FAIL.
#pragma once

#include <exception>
#include <new>

#include "core/exceptions.h"
#include "core/log.h"
#include "sapi/com.h"

template <typename Body>
HRESULT GuardCall(const char* where, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const SException& e) {
        try { LogMessage("%s: wyj\xB9tek: %s\n", where, e.GetMessage()); } catch (...) {}
    } catch (const std::exception& e) {
        try { LogMessage("%s: wyj\xB9tek: %s\n", where, e.what()); } catch (...) {}
    } catch (...) {
        try { LogMessage("%s: nieznany wyj\xB9tek\n", where); } catch (...) {}
    }
    return E_FAIL;
}
