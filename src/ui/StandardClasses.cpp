// Registration of this layer's classes for form descriptions.
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Properties.h"

namespace sk::ui {

void registerStandardClasses() {
    static const bool done = [] {
        registerClass<Form>();
        registerClass<TLabel>();
        registerClass<TImage>();
        registerClass<TEdit>();
        return true;
    }();
    (void)done;
}

}  // namespace sk::ui
