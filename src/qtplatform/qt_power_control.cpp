#include "qtplatform/qt_power_control.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDateTime>

namespace rovex {
namespace {

constexpr const char* kService = "org.freedesktop.login1";
constexpr const char* kPath = "/org/freedesktop/login1";
constexpr const char* kInterface = "org.freedesktop.login1.Manager";

PowerControl::Result ErrorOf(const QDBusError& error) {
  PowerControl::Result result;
  result.error = error.message().toStdString();
  if (result.error.empty()) result.error = error.name().toStdString();
  return result;
}

}  // namespace

PowerControl::Result QtPowerControl::SchedulePowerOff(unsigned delaySeconds) {
  QDBusInterface manager(kService, kPath, kInterface, QDBusConnection::systemBus());
  if (!manager.isValid()) return ErrorOf(manager.lastError());
  // logind takes the moment of the power-off in microseconds of the real-time clock.
  const qulonglong when =
      static_cast<qulonglong>(QDateTime::currentMSecsSinceEpoch()) * 1000ULL + qulonglong{delaySeconds} * 1000000ULL;
  QDBusReply<void> reply = manager.call(QStringLiteral("ScheduleShutdown"), QStringLiteral("poweroff"), when);
  if (!reply.isValid()) return ErrorOf(reply.error());
  return {true, {}};
}

PowerControl::Result QtPowerControl::CancelPowerOff() {
  QDBusInterface manager(kService, kPath, kInterface, QDBusConnection::systemBus());
  if (!manager.isValid()) return ErrorOf(manager.lastError());
  QDBusReply<bool> reply = manager.call(QStringLiteral("CancelScheduledShutdown"));
  if (!reply.isValid()) return ErrorOf(reply.error());
  if (!reply.value()) return {false, "No shutdown was scheduled."};
  return {true, {}};
}

}  // namespace rovex
