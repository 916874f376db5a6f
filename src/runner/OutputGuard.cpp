#include "runner/OutputGuard.h"

#include <sys/stat.h>

#include "core/documents/DocumentCommands.h"
#include "core/documents/DocumentFile.h"

namespace {

// The file a name leads to, links followed.
bool Identify(const QString& name, dev_t& device, ino_t& node) {
    struct stat info {};
    if (stat(DocumentFile::NativeName(name).constData(), &info) != 0) {
        return false;
    }
    device = info.st_dev;
    node = info.st_ino;
    return true;
}

}  // namespace

QString RefusedTarget(const QString& target, const QStringList& inputs) {
    dev_t device = 0;
    ino_t node = 0;
    if (!Identify(target, device, node)) {
        return QString();  // nothing there yet
    }
    for (const QString& input : inputs) {
        dev_t inputDevice = 0;
        ino_t inputNode = 0;
        if (Identify(input, inputDevice, inputNode) && inputDevice == device && inputNode == node) {
            return QStringLiteral("it is the input %1").arg(DocumentFile::PrintableName(input));
        }
    }
    if (const std::optional<MachineKind> kind = DocumentCommands::KindByMagic(target)) {
        return PerMachine<QString>{QStringLiteral("it is a Post machine document"),
                                   QStringLiteral("it is a Turing machine document")}[*kind];
    }
    return QString();
}
