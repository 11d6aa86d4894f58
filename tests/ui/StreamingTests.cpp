// Form descriptions: reading every property type, the loading order, event
// bindings, references, resources, error messages with lines, and the round
// trip of reading and writing.
#include <yaml-cpp/yaml.h>

#include "UiTestSupport.h"
#include "ui/Collection.h"
#include "ui/Edit.h"
#include "ui/FormReader.h"
#include "ui/FormWriter.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace sk::ui::test {
namespace {

enum TSampleKind { skFirst, skSecond, skThird };
enum TSampleFlag { sfOne, sfTwo, sfThree };

const EnumNames kKindNames{"TSampleKind", {"skFirst", "skSecond", "skThird"}};
const EnumNames kFlagNames{"TSampleFlag", {"sfOne", "sfTwo", "sfThree"}};
const IntIdents kSizeIdents{{{"szSmall", 1}, {"szLarge", 100}}};

class TSampleItem : public CollectionItem {
    SK_PERSISTENT_CLASS
public:
    explicit TSampleItem(Collection* c) : CollectionItem(c) {}
    std::uint32_t Color() const { return m_color; }
    void SetColor(std::uint32_t c) { m_color = c, changed(); }
    double Range() const { return m_range; }
    void SetRange(double r) { m_range = r, changed(); }

private:
    std::uint32_t m_color = 0xFF000000;
    double m_range = 0.5;
};

const ClassInfo& TSampleItem::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TSampleItem>("TSampleItem", &CollectionItem::staticClassInfo())
            .argb("Color", &TSampleItem::Color, &TSampleItem::SetColor, 0xFF000000LL)
            .floating("Range", &TSampleItem::Range, &TSampleItem::SetRange, 0.5)
            .build();
    return info;
}
const ClassInfo& TSampleItem::classInfo() const {
    return staticClassInfo();
}

class TSampleInner : public Persistent {
    SK_PERSISTENT_CLASS
public:
    TSampleInner() {
        m_font.setChangeHandler([this](Persistent*) { changed(); });
    }
    int Rounding() const { return m_rounding; }
    void SetRounding(int v) { m_rounding = v, changed(); }
    TFont* Font() { return &m_font; }
    TColor ColorHot() const { return m_colorHot; }
    void SetColorHot(TColor c) { m_colorHot = c, changed(); }

private:
    int m_rounding = 0;
    TColor m_colorHot = clNone;
    TFont m_font;
};

const ClassInfo& TSampleInner::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TSampleInner>("TSampleInner", &Persistent::staticClassInfo())
            .color("ColorHot", &TSampleInner::ColorHot, &TSampleInner::SetColorHot,
                   static_cast<long long>(clNone))
            .object("Font", &TSampleInner::Font)
            .integer("Rounding", &TSampleInner::Rounding, &TSampleInner::SetRounding, 0LL)
            .build();
    return info;
}
const ClassInfo& TSampleInner::classInfo() const {
    return staticClassInfo();
}

// A control with a property of every type. Position fires OnChange whenever it
// changes, loading or not, as the track bar does.
class TSample : public CustomControl {
    SK_PERSISTENT_CLASS
public:
    explicit TSample(Component* owner) : CustomControl(owner) {
        m_inner.setChangeHandler([this](Persistent*) { ++innerChanges; });
    }
    int Position() const { return m_position; }
    void SetPosition(int v) {
        if (v == m_position) return;
        m_position = v;
        if (OnChange) OnChange(this);
    }
    int Size() const { return m_size; }
    void SetSize(int v) { m_size = v; }
    double Ratio() const { return m_ratio; }
    void SetRatio(double v) { m_ratio = v; }
    bool Flag() const { return m_flag; }
    void SetFlag(bool v) { m_flag = v; }
    const std::string& Title() const { return m_title; }
    void SetTitle(const std::string& v) { m_title = v; }
    TSampleKind Kind() const { return m_kind; }
    void SetKind(TSampleKind v) { m_kind = v; }
    unsigned Flags() const { return m_flags; }
    void SetFlags(unsigned v) { m_flags = v; }
    std::uint32_t Glow() const { return m_glow; }
    void SetGlow(std::uint32_t v) { m_glow = v; }
    TSampleInner* Inner() { return &m_inner; }
    TypedCollection<TSampleItem>* Items() { return &m_items; }
    const std::vector<std::string>& Lines() const { return m_lines; }
    void SetLines(const std::vector<std::string>& v) { m_lines = v; }
    const BinaryData& Data() const { return m_data; }
    void SetData(const BinaryData& v) { m_data = v; }
    Control* Buddy() const { return m_buddy; }
    void SetBuddy(Control* c) { m_buddy = c; }

    void Loaded() override {
        CustomControl::Loaded();
        if (loadLog)
            loadLog->push_back("loaded " + Name() +
                               (Parent() && Parent()->loading() ? " (parent loading)" : ""));
    }

    TNotifyEvent OnChange;
    std::function<void(Component*, bool)> OnDialogExit;
    int innerChanges = 0;
    static inline EventLog* loadLog = nullptr;

private:
    int m_position = 0, m_size = 0;
    double m_ratio = 1.0;
    bool m_flag = false;
    std::string m_title;
    TSampleKind m_kind = skFirst;
    unsigned m_flags = 0;
    std::uint32_t m_glow = 0xFF000000;
    TSampleInner m_inner;
    TypedCollection<TSampleItem> m_items;
    std::vector<std::string> m_lines;
    BinaryData m_data;
    Control* m_buddy = nullptr;
};

const ClassInfo& TSample::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TSample>("TSample", &CustomControl::staticClassInfo())
            .creatable()
            .reference("Buddy", &TSample::Buddy, &TSample::SetBuddy)
            .binary("Data", &TSample::Data, &TSample::SetData)
            .boolean("Flag", &TSample::Flag, &TSample::SetFlag, false)
            .setOf("Flags", &TSample::Flags, &TSample::SetFlags, 0, kFlagNames)
            .argb("Glow", &TSample::Glow, &TSample::SetGlow, 0xFF000000LL)
            .object("Inner", &TSample::Inner)
            .collection("Items", &TSample::Items)
            .enumeration("Kind", &TSample::Kind, &TSample::SetKind, skFirst, kKindNames)
            .strings("Lines", &TSample::Lines, &TSample::SetLines)
            .integer("Position", &TSample::Position, &TSample::SetPosition, 0LL)
            .floating("Ratio", &TSample::Ratio, &TSample::SetRatio, 1.0)
            .integer("Size", &TSample::Size, &TSample::SetSize, 0LL, &kSizeIdents)
            .string("Title", &TSample::Title, &TSample::SetTitle)
            .event("OnChange", &TSample::OnChange)
            .event("OnDialogExit", &TSample::OnDialogExit)
            .build();
    return info;
}
const ClassInfo& TSample::classInfo() const {
    return staticClassInfo();
}

class TTestForm : public Form {
    SK_PERSISTENT_CLASS
public:
    TTestForm() {
        registerHandler("SampleChange", TNotifyEvent([this](Component*) { changes.push_back("change"); }));
        registerHandler("FormCreate", TNotifyEvent([this](Component*) { changes.push_back("create"); }));
        registerHandler("DialogExit", std::function<void(Component*, bool)>([](Component*, bool) {}));
    }
    EventLog changes;
};

const ClassInfo& TTestForm::staticClassInfo() {
    static const ClassInfo info("TTestForm", &Form::staticClassInfo());
    return info;
}
const ClassInfo& TTestForm::classInfo() const {
    return staticClassInfo();
}

class Streaming : public UiTest {
protected:
    Streaming() { registerClass<TSample>(); }
};

// Every property type once, in the writer's own form.
const char* const kEveryType = R"yaml(object: Form1
class: TTestForm
Left: 10
Top: 20
Color: 0x00F2E9C4
Font.Charset: RUSSIAN_CHARSET
Font.Color: clRed
Font.Height: -16
Font.Name: "Arial Black"
Font.Style: [fsBold, fsUnderline]
Caption: "Проба"
ClientHeight: 200
ClientWidth: 300
OnCreate: FormCreate
children:
  - object: Sample1
    class: TSample
    Left: 1
    Top: 2
    Width: 100
    Height: 50
    Color: clBtnShadow
    Cursor: crHandPoint
    Hint: "a hint"
    ParentShowHint: false
    ShowHint: true
    TabOrder: 0
    TabStop: true
    Buddy: Label1
    Data: !!binary "AQIDBP8="
    Flag: true
    Flags: [sfOne, sfThree]
    Glow: 0x6EFFFFFF
    Inner.ColorHot: 0x00E0B99B
    Inner.Font.Name: "Tahoma"
    Inner.Rounding: 10
    Items:
      - Color: 0xFF00FF00
        Range: 0.3
      - {}
      - Color: 0xFFFF0000
    Kind: skThird
    Lines:
      - "first line"
      - ""
      - "третья"
    Position: 4
    Ratio: -0.125
    Size: szLarge
    Title: "C:\\presentation.exe"
    OnChange: SampleChange
    OnDialogExit: DialogExit
    children:
      - object: Edit1
        class: TEdit
        Left: 5
        Top: 5
        Width: 80
        Height: 21
        TabOrder: 0
        ReadOnly: true
        Text: "  two  blanks"
  - object: Label1
    class: TLabel
    Left: 109
    Top: 64
    Width: 556
    Height: 41
    Alignment: taCenter
    AutoSize: false
    Caption: "ПОДДЕРЖКА PowerPoint2003 (*.ppt)"
    Transparent: true
  - object: Image1
    class: TImage
    Left: 32
    Top: 32
    Width: 73
    Height: 105
    Visible: false
    Picture.Data: {resource: "icons/slidekiln-16.png"}
)yaml";

TEST_F(Streaming, ReadingAppliesEveryPropertyType) {
    TTestForm f;
    f.loadDescription(kEveryType, "every.yaml");
    auto* s = f.field<TSample>("Sample1");
    EXPECT_EQ(f.Caption(), "Проба");
    EXPECT_EQ(f.ClientWidth(), 300);
    EXPECT_EQ(f.Color(), 0x00F2E9C4u);
    EXPECT_EQ(f.Font()->Name(), "Arial Black");
    EXPECT_EQ(f.Font()->Style(), fontStyle(fsBold) | fontStyle(fsUnderline));
    EXPECT_EQ(f.Font()->Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(s->Parent(), &f);
    EXPECT_EQ(s->Color(), clBtnShadow);
    EXPECT_EQ(s->Cursor(), crHandPoint);
    EXPECT_TRUE(s->ShowHint());
    EXPECT_EQ(s->Buddy(), f.field<TLabel>("Label1"));
    EXPECT_EQ(s->Data().bytes, (std::vector<unsigned char>{1, 2, 3, 4, 255}));
    EXPECT_TRUE(s->Flag());
    EXPECT_EQ(s->Flags(), 0b101u);
    EXPECT_EQ(s->Glow(), 0x6EFFFFFFu);
    EXPECT_EQ(s->Inner()->Rounding(), 10);
    EXPECT_EQ(s->Inner()->ColorHot(), 0x00E0B99Bu);
    EXPECT_EQ(s->Inner()->Font()->Name(), "Tahoma");
    ASSERT_EQ(s->Items()->count(), 3);
    EXPECT_EQ((*s->Items())[0]->Color(), 0xFF00FF00u);
    EXPECT_DOUBLE_EQ((*s->Items())[0]->Range(), 0.3);
    EXPECT_DOUBLE_EQ((*s->Items())[1]->Range(), 0.5);
    EXPECT_EQ(s->Kind(), skThird);
    EXPECT_EQ(s->Lines(), (std::vector<std::string>{"first line", "", "третья"}));
    EXPECT_EQ(s->Position(), 4);
    EXPECT_DOUBLE_EQ(s->Ratio(), -0.125);
    EXPECT_EQ(s->Size(), 100);
    EXPECT_EQ(s->Title(), "C:\\presentation.exe");
    EXPECT_TRUE(s->OnDialogExit);
    auto* edit = f.field<TEdit>("Edit1");
    EXPECT_EQ(edit->Parent(), s);
    EXPECT_EQ(edit->Text(), "  two  blanks");
    EXPECT_TRUE(edit->ReadOnly());
    EXPECT_EQ(edit->Font()->Name(), "Arial Black");  // follows its parent's font
    auto* label = f.field<TLabel>("Label1");
    EXPECT_EQ(label->Caption(), "ПОДДЕРЖКА PowerPoint2003 (*.ppt)");
    EXPECT_EQ(label->Width(), 556);  // AutoSize false keeps the stored size
    EXPECT_TRUE(label->ParentColor());
    EXPECT_EQ(label->Color(), 0x00F2E9C4u);
    auto* image = f.field<TImage>("Image1");
    EXPECT_EQ(image->Picture()->width(), 16);
    EXPECT_FALSE(image->Visible());
}

TEST_F(Streaming, ReadThenWriteGivesTheSameDescription) {
    TTestForm f;
    f.loadDescription(kEveryType, "every.yaml");
    const std::string written = writeFormDescription(f);
    EXPECT_EQ(written, kEveryType);
    // And once more through a fresh form.
    TTestForm again;
    again.loadDescription(written, "written.yaml");
    EXPECT_EQ(writeFormDescription(again), written);
}

TEST_F(Streaming, WriterStoresOnlyValuesThatDifferFromDefaults) {
    TTestForm f;
    f.SetName("Form1");
    auto* s = new TSample(&f);
    s->SetName("S");
    s->SetParent(&f);
    const std::string text = writeFormDescription(f);
    const YAML::Node node = YAML::Load(text)["children"][0];
    std::vector<std::string> keys;
    for (const auto& entry : node) keys.push_back(entry.first.Scalar());
    EXPECT_EQ(keys,
              (std::vector<std::string>{"object", "class", "Left", "Top", "Width", "Height", "TabOrder"}));
}

TEST_F(Streaming, OnChangeStoredAfterPositionIsNotFiredByLoading) {
    const std::string after =
        "class: TTestForm\nchildren:\n  - object: S\n    class: TSample\n    Position: 4\n"
        "    OnChange: SampleChange\n";
    const std::string before =
        "class: TTestForm\nchildren:\n  - object: S\n    class: TSample\n"
        "    OnChange: SampleChange\n    Position: 4\n";
    TTestForm f1;
    f1.loadDescription(after, "after.yaml");
    EXPECT_EQ(f1.changes, (EventLog{}));
    TTestForm f2;
    f2.loadDescription(before, "before.yaml");
    EXPECT_EQ(f2.changes, (EventLog{"change"}));
}

TEST_F(Streaming, LoadedStepsRunInCreationOrderThenOnCreate) {
    struct Ordered : TTestForm {
        void Loaded() override {
            TTestForm::Loaded();
            TSample::loadLog->push_back("loaded form");
        }
    };
    EventLog log;
    TSample::loadLog = &log;
    Ordered f;
    f.registerHandler("FormCreate", TNotifyEvent([&](Component*) { log.push_back("create"); }));
    const std::string text =
        "class: TTestForm\nOnCreate: FormCreate\nchildren:\n  - object: A\n    class: TSample\n"
        "    children:\n      - object: B\n        class: TSample\n  - object: C\n    class: TSample\n";
    f.loadDescription(text, "order.yaml");
    TSample::loadLog = nullptr;
    EXPECT_EQ(log, (EventLog{"loaded form", "loaded A", "loaded B", "loaded C", "create"}));
    for (const char* name : {"A", "B", "C"}) EXPECT_FALSE(f.field<TSample>(name)->loading());
}

TEST_F(Streaming, ErrorsNameTheSourceAndTheLine) {
    struct Case {
        std::string text;
        int line;
        std::string message;
    };
    const std::string head = "class: TTestForm\nchildren:\n  - object: S\n    class: TSample\n";
    const std::vector<Case> cases = {
        {"class: TTestForm\nchildren:\n  - object: X\n    class: TNoSuchThing\n", 4,
         "Unknown class \"TNoSuchThing\""},
        {head + "    Colour: clRed\n", 5, "Unknown property \"Colour\" of class TSample"},
        {head + "    Position: four\n", 5, "Invalid integer \"four\" for property Position"},
        {head + "    Kind: skFourth\n", 5, "Unknown value \"skFourth\" of TSampleKind for property Kind"},
        {head + "    Flags: [sfOne, sfNine]\n", 5,
         "Unknown value \"sfNine\" of TSampleFlag for property Flags"},
        {head + "    Flag: maybe\n", 5, "Invalid boolean \"maybe\" for property Flag"},
        {head + "    Ratio: 1,5\n", 5, "Invalid number \"1,5\" for property Ratio"},
        {head + "    Color: clPink\n", 5, "Invalid colour \"clPink\" for property Color"},
        {head + "    OnChange: NoHandler\n", 5, "Unknown handler \"NoHandler\" for event OnChange"},
        {head + "    OnChange: DialogExit\n", 5, "Handler DialogExit does not fit event OnChange"},
        {head + "    Data: {resource: \"no/such.png\"}\n", 5, "Resource \"no/such.png\" not found"},
        {head + "    Buddy: Nobody\n", 5, "Unknown component \"Nobody\" for property Buddy"},
        {head + "    Inner.Font.Nmae: Tahoma\n", 5, "Unknown property \"Nmae\" of class TFont"},
        {head + "    Title.Length: 3\n", 5, "Property Title of class TSample has no sub-properties"},
        {head + "    Items: 3\n", 5, "Property Items needs a list of items"},
        {head + "    Position: [1, 2]\n", 5, "Property Position needs a single value"},
        {head + "    Left: 1\n   Top: 2\n", 6, ""},  // broken indentation: the parser's message
        {"class: TLabel\n", 1, "The description is of class TLabel, not of TTestForm"},
    };
    for (const Case& c : cases) {
        TTestForm f;
        try {
            f.loadDescription(c.text, "broken.yaml");
            ADD_FAILURE() << "no error for:\n" << c.text;
        } catch (const FormError& e) {
            EXPECT_EQ(e.line(), c.line) << e.what();
            const std::string what = e.what();
            EXPECT_EQ(what.rfind("broken.yaml line " + std::to_string(c.line) + ": ", 0), 0u) << what;
            EXPECT_NE(what.find(c.message), std::string::npos) << what;
        }
    }
}

TEST_F(Streaming, RegisteredDefaultsMatchFreshInstances) {
    registerStandardClasses();
    TTestForm owner;
    for (const ClassInfo* info : ClassRegistry::all()) {
        if (!info->create) continue;
        Component* c = info->create(&owner);
        if (auto* control = dynamic_cast<Control*>(c)) control->SetParent(&owner);
        for (const PropertyInfo* p : info->properties()) {
            const PropertyDefault& def = info->defaultFor(*p);
            if (std::holds_alternative<std::monostate>(def)) continue;
            if (p->storedIf && !p->storedIf(*c)) continue;
            switch (p->type) {
                case PropertyType::Boolean:
                    EXPECT_EQ(p->getBool(*c), std::get<bool>(def)) << info->name() << "." << p->name;
                    break;
                case PropertyType::String:
                    EXPECT_EQ(p->getString(*c), std::get<std::string>(def)) << info->name() << "." << p->name;
                    break;
                case PropertyType::Float:
                    EXPECT_EQ(p->getFloat(*c), std::get<double>(def)) << info->name() << "." << p->name;
                    break;
                default:
                    if (const auto* v = std::get_if<long long>(&def)) {
                        EXPECT_EQ(p->getInt(*c), *v) << info->name() << "." << p->name;
                    } else if (const auto* b = std::get_if<bool>(&def)) {
                        EXPECT_EQ(p->getInt(*c), *b ? 1 : 0) << info->name() << "." << p->name;
                    }
                    break;
            }
        }
    }
}

TEST_F(Streaming, ParentColorAndParentFontFollowTheParent) {
    TTestForm f;
    auto* panel = new TSample(&f);
    panel->SetParent(&f);
    auto* label = new TLabel(&f);
    label->SetParent(panel);
    panel->SetParentColor(true);
    f.SetColor(0x123456);
    EXPECT_EQ(panel->Color(), 0x123456u);
    EXPECT_EQ(label->Color(), 0x123456u);  // through the panel
    f.Font()->SetName("Verdana");
    EXPECT_EQ(label->Font()->Name(), "Verdana");
    label->Font()->SetHeight(-20);  // its own font now
    EXPECT_FALSE(label->ParentFont());
    f.Font()->SetName("Tahoma");
    EXPECT_EQ(label->Font()->Name(), "Verdana");
    label->SetColor(0xFF);
    EXPECT_FALSE(label->ParentColor());
    f.SetShowHint(true);
    EXPECT_TRUE(label->ShowHint());  // through the panel, both following
    label->SetShowHint(false);
    EXPECT_FALSE(label->ParentShowHint());
    f.SetShowHint(false);
    f.SetShowHint(true);
    EXPECT_FALSE(label->ShowHint());
    f.SetColor(0x654321);
    EXPECT_EQ(label->Color(), 0xFFu);
}

}  // namespace
}  // namespace sk::ui::test
