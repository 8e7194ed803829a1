// Shared pieces of the widget tests: a speaker that records what it was
// asked to say, and a scratch directory for dictionary files.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/test_speaker.h"

class SRecordingSpeaker : public STestSpeaker {
public:
    bool Speak(const std::string& text) override {
        spoken.push_back(text);
        return true;
    }
    std::vector<std::string> spoken;
};

class ScratchDirTest : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("vokrant-widgets-" + std::string(info->test_suite_name()) + "." + info->name() +
                "." + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
    static void Spit(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path dir_;
};
