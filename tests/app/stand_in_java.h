#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// A stand-in for java: the given script, put first on PATH for as long as
// this object lives, in a folder of its own where it can leave its records.
class StandInJava {
 public:
  explicit StandInJava(const char* script) : PreviousPath(qgetenv("PATH")) {
    const QString java = Bin.filePath(QStringLiteral("java"));
    QFile file(java);
    Valid = Bin.isValid() && file.open(QIODevice::WriteOnly) && file.write(script) >= 0;
    file.close();
    Valid = Valid &&
            QFile::setPermissions(java, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::ExeGroup);
    qputenv("PATH", QFile::encodeName(Bin.path()) + ':' + PreviousPath);
  }
  ~StandInJava() { qputenv("PATH", PreviousPath); }
  StandInJava(const StandInJava&) = delete;
  StandInJava& operator=(const StandInJava&) = delete;

  bool IsValid() const { return Valid; }
  // A file the script wrote beside itself.
  QString Record(const QString& name) const { return Bin.filePath(name); }

 private:
  QTemporaryDir Bin;
  QByteArray PreviousPath;
  bool Valid = false;
};
