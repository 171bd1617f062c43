#pragma once
#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "desktop/DesktopWindow.h"
#include "support/TemporaryDirectory.h"

// A fixture with the main window shown at 640x480, run in a temporary directory.
class ShownWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(directory.ok());
        window = std::make_unique<desktop::CDesktopWindow>();
        window->resize(640, 480);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    TemporaryDirectory directory;
    std::unique_ptr<desktop::CDesktopWindow> window;
};
