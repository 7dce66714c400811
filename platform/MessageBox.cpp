#include "platform/MessageBox.h"

#include "platform/Resources.h"
#include "platform/Runtime.h"

#include <QMessageBox>

namespace vb {

void showMessageBox(const QString &prompt, int style, const QString &title)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style & 0x70) {
    case vbCritical:
        icon = QMessageBox::Critical;
        break;
    case vbQuestion:
        icon = QMessageBox::Question;
        break;
    case vbExclamation:
        icon = QMessageBox::Warning;
        break;
    case vbInformation:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    QMessageBox box(icon, title, prompt, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowIcon(programIcon());
    // Modality first: set after the stay-on-top hint, it would drop that hint.
    box.setWindowModality(Qt::ApplicationModal);
    if (style & vbSystemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    box.exec();
}

} // namespace vb
