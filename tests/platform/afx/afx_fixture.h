// What every framework test starts from: a clean desktop.
#pragma once

#include <afxwin.h>
#include <desktop.h>

#include <gtest/gtest.h>

class AfxTest : public ::testing::Test {
protected:
    void SetUp() override { desktop::reset(); }
    void TearDown() override { desktop::reset(); }
};
