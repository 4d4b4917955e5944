#include <memory>

#include "app/wiring.h"
#include "generate/account_password_dialog.h"
#include "generate/random.h"
#include "generate/random_text_dialog.h"
#include "generate/template_text_dialog.h"

namespace scribbet {

void WireGenerators(MainWindow& window, const Services& services) {
    // The run's one random source: every generator draws from it, so its
    // seeding counter keeps growing across windows.
    auto random = std::make_shared<RandomSource>(services.clock);
    Prompts& prompts = services.prompts;

    window.SetCommand("generate.template", [&window, &prompts] {
        window.Tools().Open(
            "generate.template",
            [&window, &prompts](QWidget* parent) {
                return new TemplateTextDialog(window.Edit(), prompts, parent);
            },
            WindowOwner::None);
    });
    window.SetCommand("generate.accounts", [&window, random] {
        window.Tools().Open(
            "generate.accounts",
            [&window, random](QWidget* parent) {
                return new AccountPasswordDialog(window.Edit(), random, parent);
            },
            WindowOwner::None);
    });
    window.SetCommand("generate.randomText", [&window, random] {
        window.Tools().Open(
            "generate.randomText",
            [&window, random](QWidget* parent) {
                return new RandomTextDialog(window.Edit(), random, parent);
            },
            WindowOwner::None);
    });
}

}  // namespace scribbet
