#pragma once

#include <QAbstractButton>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <nlohmann/json.hpp>

#include "app/control_panel.h"
#include "editing_fixture.h"
#include "levelfile/file_paths.h"
#include "levelfile/level_writer.h"
#include "model/map.h"

// The main window with its program folder in a temporary folder that holds
// an empty "levels" folder, and tile sets large enough for the end tile and
// the lava tiles.
class LevelFilesTest : public EditingTest {
 protected:
  static constexpr int ForegroundCount = 41;

  void SetUp() override {
    ASSERT_TRUE(Program.isValid());
    ASSERT_TRUE(QDir(Program.path()).mkpath(QStringLiteral("levels")));
    for (int i = 2; i <= EndMgTile; ++i)
      ASSERT_TRUE(Tiles.WriteImage(QStringLiteral("img_mg/%1.png").arg(i)));
    for (int i = 2; i < ForegroundCount; ++i)
      ASSERT_TRUE(Tiles.WriteImage(QStringLiteral("img_fg/%1.png").arg(i)));
    EditingTest::SetUp();
    Session->ProgramFolder = ProgramFolder(Program.path().toStdString());
  }

  QString Folder() const { return Program.path() + QLatin1Char('/'); }
  QString InFolder(const QString& name) const { return Folder() + name; }

  void ClickButton(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  // Types a name into the file name box, replacing what it held.
  void TypeFileName(const QString& name) {
    QLineEdit* edit = Panel().ESoubor;
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, name);
  }

  // What "Run Emu" needs in the program folder: the game's levels folder
  // and an emulator archive (java itself is a test's stand-in).
  bool MakeEmulatorFolders() const {
    return QDir(Program.path()).mkpath(QStringLiteral("zuboapp/levels")) &&
           WriteBytes(InFolder(QStringLiteral("korvax.jar")), "stand-in");
  }

  // The smallest map that may be written: Zubo at (1, 1), the end at (2, 1).
  void MakeValid() {
    TheMap().Cell(1, 1).CharKind = ZuboCharKind;
    TheMap().Cell(2, 1).MgTile = EndMgTile;
  }

  // The bytes the level file of the map in the window holds.
  std::vector<uint8_t> Encoded() { return EncodeLevel(CollectLevel(TheMap())); }

  static QByteArray Bytes(const std::vector<uint8_t>& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
  }

  static QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  static bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  }

  // What zubo-level reads from a level file.
  static nlohmann::json Dump(const QString& path) {
    QProcess tool;
    tool.start(QStringLiteral(ZUBO_LEVEL), {QStringLiteral("dump"), path});
    if (!tool.waitForFinished(10000) || tool.exitCode() != 0) return {};
    return nlohmann::json::parse(tool.readAllStandardOutput().toStdString());
  }

  QTemporaryDir Program;
};
