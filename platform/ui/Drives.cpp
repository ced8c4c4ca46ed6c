#include "platform/ui/Drives.h"

#include <QDir>
#include <QStorageInfo>
#include <algorithm>

namespace ui {

namespace {

QString withSlash(QString root) {
  root = QDir::fromNativeSeparators(root);
  if (!root.endsWith(QLatin1Char('/'))) root += QLatin1Char('/');
  return root;
}

}  // namespace

bool isUserVolume(const QString& root, const QByteArray& type) {
  static const QByteArrayList pseudo = {
      "proc",       "sysfs",       "devtmpfs", "devpts",     "cgroup",
      "cgroup2",    "securityfs",  "pstore",   "debugfs",    "tracefs",
      "mqueue",     "hugetlbfs",   "configfs", "fusectl",    "bpf",
      "autofs",     "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",
      "ramfs",      "squashfs",    "tmpfs",    "overlay",    "fuse.gvfsd-fuse",
      "fuse.portal"};
  const QString r = withSlash(root);
  if (r == QLatin1String("/")) return true;
  if (pseudo.contains(type)) return false;
  static const QStringList hidden = {"/proc/", "/sys/",  "/dev/",    "/run/",
                                     "/snap/", "/boot/", "/var/lib/"};
  for (const QString& h : hidden)
    if (r.startsWith(h) && !r.startsWith(QLatin1String("/run/media/"))) return false;
  return true;
}

std::vector<Drive> listDrives() {
  std::vector<Drive> drives;
  for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
    if (!s.isValid() || !s.isReady()) continue;
    if (!isUserVolume(s.rootPath(), s.fileSystemType())) continue;
    const QString root = withSlash(s.rootPath());
    if (std::any_of(drives.begin(), drives.end(), [&](const Drive& d) { return d.root == root; }))
      continue;
    drives.push_back({root, s.name()});
  }
  if (drives.empty()) drives.push_back({withSlash(QDir::rootPath()), {}});
  std::sort(drives.begin(), drives.end(), [](const Drive& a, const Drive& b) {
    return a.root.compare(b.root, Qt::CaseInsensitive) < 0;
  });
  return drives;
}

QString driveOf(const QString& path) {
  const QString p = withSlash(QDir(path).absolutePath());
  QString best = withSlash(QDir::rootPath());
  for (const Drive& d : listDrives())
    if (d.root.size() > best.size() && p.startsWith(d.root, Qt::CaseInsensitive)) best = d.root;
  return best;
}

}  // namespace ui
