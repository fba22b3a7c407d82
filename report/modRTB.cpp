#include "report/modRTB.h"

#include "report/LinkDetector.h"

#include <QTextEdit>
#include <QWidget>

#include <memory>

namespace modRTB {

namespace {

// The layer serving the box, or none while idle.
std::unique_ptr<LinkDetector> &servingDetector()
{
    static std::unique_ptr<LinkDetector> detector;
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
    servingDetector() = std::make_unique<LinkDetector>(box);
}

void DisableLinkDetection()
{
    // Moved out first, so that anything the layer's end sets off already sees the idle state.
    std::unique_ptr<LinkDetector> detector = std::move(servingDetector());
    detector.reset();
}

bool isServingLinks()
{
    return servingDetector() != nullptr;
}

} // namespace modRTB
