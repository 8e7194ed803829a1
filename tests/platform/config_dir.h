// Gives each test its own, empty configuration directory.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class ScratchConfigTest : public testing::Test {
protected:
    void SetUp() override {
        const char* base = std::getenv("VOKRANT_CONFIG_DIR");
        std::filesystem::path root = base ? base : std::filesystem::temp_directory_path();
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = root / (std::string(info->test_suite_name()) + "." + info->name() + "." +
                       std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        previous_ = base ? base : "";
        ::setenv("VOKRANT_CONFIG_DIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (previous_.empty())
            ::unsetenv("VOKRANT_CONFIG_DIR");
        else
            ::setenv("VOKRANT_CONFIG_DIR", previous_.c_str(), 1);
        std::filesystem::remove_all(dir_);
    }
    std::string UserHive() const { return (dir_ / "user.reg").string(); }
    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path dir_;
    std::string previous_;
};
