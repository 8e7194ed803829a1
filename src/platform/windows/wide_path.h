// A UTF-8 path as the wide-character Windows calls take it.
#pragma once

#include <string>

std::wstring WidePath(const std::string& path);
