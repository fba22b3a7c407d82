#include "report/modRTB.h"

#include "web/modHelpPages.h"
#include "widgets/LinkDetector.h"

#include <QPointer>
#include <QTextEdit>
#include <QWidget>

namespace modRTB {

namespace {

bool serving = false;
// The layer of the box being served; the box takes it along if it goes first.
QPointer<LinkDetector> &servingDetector()
{
    static QPointer<LinkDetector> detector;
    return detector;
}

} // namespace

void EnableLinkDetection(QTextEdit *box, QWidget *form)
{
    Q_ASSERT_X(box, "modRTB::EnableLinkDetection", "no box to serve");
    Q_ASSERT_X(!form || form->isAncestorOf(box), "modRTB::EnableLinkDetection",
               "the box is not inside the given window");
    Q_ASSERT_X(!isServingLinks(), "modRTB::EnableLinkDetection",
               "already serving a box: DisableLinkDetection first");
    Q_UNUSED(form)

    // Never two layers at once, so never two opens for one press.
    DisableLinkDetection();
    if (!box)
        return;
    serving = true;
    servingDetector() = new LinkDetector(box);
    QObject::connect(servingDetector(), &LinkDetector::linkPressed, &modHelp::OpenWebPage);
}

void DisableLinkDetection()
{
    // Moved out first, so that anything the layer's end sets off already sees the idle state.
    serving = false;
    LinkDetector *detector = servingDetector();
    servingDetector().clear();
    delete detector;
}

bool isServingLinks()
{
    return serving;
}

} // namespace modRTB
