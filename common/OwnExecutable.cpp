#include "OwnExecutable.h"

#include <QCoreApplication>
#include <QFile>

#ifdef __linux__
#include <unistd.h>
#endif

std::string OwnExecutableFile() {
#ifdef __linux__
    if (::access("/proc/self/exe", R_OK) == 0)
        return "/proc/self/exe";
#endif
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}
