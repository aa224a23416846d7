#include "ui/common/Preparation.h"

#include <QApplication>
#include <future>

#include "ui/common/AppIcon.h"
#include "ui/common/ApplicationFont.h"

namespace kmq::ui {
namespace {

// The user-interface thread's own record. The worker thread only registers
// the face, which Qt's font database guards itself.
std::future<bool> faceRegistered;
bool iconGiven = false;
bool faceReady = false;

}  // namespace

void giveIcon() {
    if (iconGiven) return;
    QApplication::setWindowIcon(app::icon());
    iconGiven = true;
}

void beginFace() {
    if (faceReady || faceRegistered.valid()) return;
    faceRegistered = std::async(std::launch::async, &registerShippedFont);
}

void finishPreparation() {
    giveIcon();
    if (faceReady) return;
    if (faceRegistered.valid())
        faceRegistered.get();
    else
        registerShippedFont();
    faceReady = true;
}

void joinPreparation() {
    if (faceRegistered.valid()) faceRegistered.wait();
}

}  // namespace kmq::ui
