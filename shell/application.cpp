#include "shell/application.h"

#include "shell/about1.h"
#include "shell/startfrm.h"

namespace shell {

Application::Application(platform::Runtime& runtime)
    : runtime_(runtime),
      startfrm_([this] { return std::make_unique<Startfrm>(*this); }),
      about1_([this] { return std::make_unique<About1>(*this); }) {}

Application::~Application() = default;

Startfrm& Application::startfrm() { return startfrm_.get(); }
About1& Application::about1() { return about1_.get(); }

void Application::Start() { startfrm().Show(); }

bool Application::ShowActivity(Activity) { return false; }

bool Application::isFoodStorageOpen() const { return false; }

}  // namespace shell
