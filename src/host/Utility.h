// Logging of the host's utility library: one line per call, safe from any thread.
#pragma once

#include <QString>

#include <string>

void SetLogfile(const std::string &path);
// 0 writes every level; 1 and above only "error".
void SetLogLevel(int level);
void Log(const char *level, int module, const QString &text);
