#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace {

// Each test gets a configuration folder of its own, holding an empty
// settings folder of the program, so that no test reads what another wrote
// and none touches the user's own settings.
class TPrivateConfigFolder : public ::testing::EmptyTestEventListener {
 public:
  TPrivateConfigFolder() { qputenv("XDG_CONFIG_HOME", outside_.path().toLocal8Bit()); }
  void OnTestStart(const ::testing::TestInfo&) override {
    folder_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", folder_->path().toLocal8Bit());
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    qputenv("XDG_CONFIG_HOME", outside_.path().toLocal8Bit());
    folder_.reset();
  }

 private:
  QTemporaryDir outside_;  // between the tests
  std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace

#ifdef QUORVEL_TEST_WIDGETS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QGuiApplication>
using TTestApplication = QGuiApplication;
#endif

// Starts Qt headless unless a platform was chosen, also when gtest lists the
// tests at build time without the test environment.
int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    QString runtime = QDir::tempPath() + "/quorvel-test-runtime";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);
  }
  TTestApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  TPrivateConfigFolder config;
  ::testing::TestEventListeners& listeners = ::testing::UnitTest::GetInstance()->listeners();
  listeners.Append(&config);
  const int result = RUN_ALL_TESTS();
  listeners.Release(&config);
  return result;
}
