#include <gtest/gtest.h>

#include <QApplication>

#include "setup/engine/tests/installfixture.h"
#include "setup/wizard/copyingfilesunit.h"

namespace engine {
namespace {
using namespace engine::testing;

TEST(CopyingPage, RunsTheInstallationOnceWithItsProgressBar) {
    int argc = 1;
    char name[] = "copyingpage_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    InstallFixture fixture;
    ASSERT_TRUE(fixture.assembled) << fixture.assembleError;

    wizard::pages::TfrmCopyingFiles page(nullptr, fixture.medium + "setup");
    EXPECT_EQ(page.windowTitle(), "The Setup program is copying files");
    EXPECT_EQ(page.position(), 0);
    EXPECT_TRUE(page.run(fixture.choices));
    EXPECT_TRUE(page.isVisible());
    EXPECT_EQ(page.position(), 100);
    EXPECT_FALSE(page.stopped());
    EXPECT_TRUE(exists(fixture.product + "Draw/Vartel.exe"));
    EXPECT_FALSE(page.run(fixture.choices)) << "a second activation installs nothing";
}

}  // namespace
}  // namespace engine
