#include "platform/com/com_ptr.h"

#include <gtest/gtest.h>

namespace {

MW_COM_INTERFACE(IWidget, "{8A1F0C1E-2B3D-4E5F-8071-92A3B4C5D6E7}") : public IUnknown {
    virtual LONG Size() = 0;
};
MW_COM_INTERFACE(IGadget, "{8A1F0C1E-2B3D-4E5F-8071-92A3B4C5D6E8}") : public IUnknown {
    virtual LONG Power() = 0;
};
MW_COM_INTERFACE(INothing, "{8A1F0C1E-2B3D-4E5F-8071-92A3B4C5D6E9}") : public IUnknown{};
_COM_SMARTPTR_TYPEDEF(IWidget, __uuidof(IWidget));
_COM_SMARTPTR_TYPEDEF(IGadget, __uuidof(IGadget));
_COM_SMARTPTR_TYPEDEF(INothing, __uuidof(INothing));

// Reports its reference count and its end to the test that made it.
struct Tally {
    ULONG refs = 0;
    bool destroyed = false;
};

class Thing final : public mw::com::ComObject<IWidget, IGadget> {
public:
    explicit Thing(Tally& tally) : m_tally(tally) { m_tally.refs = 1; }
    ~Thing() override { m_tally.destroyed = true; }
    ULONG AddRef() override { return m_tally.refs = ComObject::AddRef(); }
    ULONG Release() override {
        Tally& tally = m_tally; // the object may be gone after the call
        const ULONG left = ComObject::Release();
        tally.refs = left;
        return left;
    }
    LONG Size() override { return 7; }
    LONG Power() override { return 9; }

private:
    Tally& m_tally;
};

TEST(ComPtr, HoldsOneReferenceAndReleasesItAtTheEnd) {
    Tally tally;
    Thing* raw = mw::com::make_object<Thing>(tally);
    {
        IWidgetPtr p(raw);
        EXPECT_EQ(tally.refs, 2u);
        IWidgetPtr copy = p;
        EXPECT_EQ(tally.refs, 3u);
        IWidgetPtr moved = std::move(copy);
        EXPECT_EQ(tally.refs, 3u) << "a move takes the reference over";
        EXPECT_FALSE(copy);
        EXPECT_EQ(moved->Size(), 7);
    }
    EXPECT_EQ(tally.refs, 1u);
    raw->Release();
    EXPECT_TRUE(tally.destroyed);
}

TEST(ComPtr, AssignmentReleasesTheOldObject) {
    Tally first;
    Tally second;
    IWidgetPtr p(mw::com::make_object<Thing>(first), false);
    p = IWidgetPtr(mw::com::make_object<Thing>(second), false);
    EXPECT_TRUE(first.destroyed);
    EXPECT_EQ(second.refs, 1u);
    p = p; // self-assignment keeps the object
    EXPECT_FALSE(second.destroyed);
    p = nullptr;
    EXPECT_TRUE(second.destroyed);
}

TEST(ComPtr, AttachAndDetachHandTheReferenceOver) {
    Tally tally;
    IWidgetPtr p;
    p.Attach(mw::com::make_object<Thing>(tally));
    EXPECT_EQ(tally.refs, 1u);
    IWidget* raw = p.Detach();
    EXPECT_FALSE(p);
    EXPECT_EQ(tally.refs, 1u);
    raw->Release();
    EXPECT_TRUE(tally.destroyed);
}

TEST(ComPtr, ReleaseEmptiesAndToleratesAnEmptyPointer) {
    Tally tally;
    IWidgetPtr p(mw::com::make_object<Thing>(tally), false);
    p.Release();
    EXPECT_TRUE(tally.destroyed);
    EXPECT_EQ(p.GetInterfacePtr(), nullptr);
    EXPECT_NO_THROW(p.Release());
}

TEST(ComPtr, ConvertingAsksTheObjectForTheOtherInterface) {
    Tally tally;
    IWidgetPtr widget(mw::com::make_object<Thing>(tally), false);
    IGadgetPtr gadget(widget);
    ASSERT_TRUE(gadget);
    EXPECT_EQ(gadget->Power(), 9);
    EXPECT_EQ(tally.refs, 2u);
    EXPECT_TRUE(gadget == widget) << "both reach the same object";

    INothingPtr nothing(widget);
    EXPECT_FALSE(nothing) << "an interface the object lacks leaves the pointer empty";
    EXPECT_EQ(tally.refs, 2u);

    IUnknownPtr unknown = widget;
    ASSERT_TRUE(unknown);
    INothing* raw = nullptr;
    EXPECT_EQ(unknown.QueryInterface(__uuidof(INothing), &raw), E_NOINTERFACE);
    EXPECT_EQ(raw, nullptr);
}

TEST(ComPtr, UsingAnEmptyPointerRaises) {
    IWidgetPtr empty;
    EXPECT_TRUE(!empty);
    EXPECT_TRUE(empty == nullptr);
    try {
        empty->Size();
        FAIL() << "no exception";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_POINTER);
    }
    EXPECT_THROW(*empty, _com_error);
}

TEST(ComPtr, AddressOfReleasesForAnOutParameter) {
    Tally tally;
    IWidgetPtr p(mw::com::make_object<Thing>(tally), false);
    IWidget** slot = &p;
    EXPECT_TRUE(tally.destroyed);
    EXPECT_EQ(*slot, nullptr);
}

// A class made through the registry, visible to the tests that register it.
constexpr CLSID kThingClass = mw::com::make_guid("{0D1E2F30-4152-6374-8596-A7B8C9DAEBFC}");

class RegistryTest : public ::testing::Test {
protected:
    Tally tally;
    mw::com::ClassRegistration registration =
        mw::com::register_class(kThingClass, [this](REFIID riid, void** ppv) {
            Thing* thing = mw::com::make_object<Thing>(tally);
            const HRESULT hr = thing->QueryInterface(riid, ppv);
            thing->Release();
            return hr;
        });
};

TEST_F(RegistryTest, CreatesRegisteredClassesForEveryServerContext) {
    for (const DWORD context : {CLSCTX_INPROC_SERVER, CLSCTX_LOCAL_SERVER, CLSCTX_ALL}) {
        IWidgetPtr p;
        EXPECT_EQ(p.CreateInstance(kThingClass, nullptr, context), S_OK) << context;
        ASSERT_TRUE(p);
        EXPECT_EQ(p->Size(), 7);
        EXPECT_EQ(tally.refs, 1u) << "only the smart pointer holds it";
    }
    EXPECT_TRUE(tally.destroyed);
}

TEST_F(RegistryTest, FailuresOfCoCreateInstance) {
    constexpr CLSID unknown = mw::com::make_guid("{0D1E2F30-4152-6374-8596-A7B8C9DAEBFD}");
    struct Case {
        const char* what;
        CLSID clsid;
        bool outer;
        DWORD context;
        HRESULT expected;
    };
    IWidgetPtr outer_object;
    outer_object.CreateInstance(kThingClass);
    const Case cases[] = {
        {"unknown class", unknown, false, CLSCTX_ALL, REGDB_E_CLASSNOTREG},
        {"aggregation", kThingClass, true, CLSCTX_ALL, CLASS_E_NOAGGREGATION},
        {"no server kind", kThingClass, false, 0, E_INVALIDARG},
    };
    int sentinel = 0;
    for (const Case& c : cases) {
        void* out = &sentinel;
        EXPECT_EQ(CoCreateInstance(c.clsid, c.outer ? outer_object.GetInterfacePtr() : nullptr,
                                   c.context, IID_IUnknown, &out),
                  c.expected)
            << c.what;
        EXPECT_EQ(out, nullptr) << c.what;
    }
    void* out = nullptr;
    EXPECT_EQ(CoCreateInstance(kThingClass, nullptr, CLSCTX_ALL, __uuidof(INothing), &out),
              E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
}

TEST_F(RegistryTest, ConstructingFromAClassRaisesOnlyForRealFailures) {
    EXPECT_NO_THROW(INothingPtr{kThingClass}) << "E_NOINTERFACE leaves the pointer empty";
    registration.reset();
    try {
        IWidgetPtr p(kThingClass);
        FAIL() << "no exception";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), REGDB_E_CLASSNOTREG);
    }
}

TEST_F(RegistryTest, ALaterRegistrationHidesAnEarlierOneUntilItEnds) {
    Tally other;
    {
        const auto hiding = mw::com::register_class(kThingClass, [&](REFIID riid, void** ppv) {
            Thing* thing = mw::com::make_object<Thing>(other);
            const HRESULT hr = thing->QueryInterface(riid, ppv);
            thing->Release();
            return hr;
        });
        IWidgetPtr p(kThingClass);
        EXPECT_EQ(other.refs, 1u);
        EXPECT_EQ(tally.refs, 0u);
    }
    IWidgetPtr p(kThingClass);
    EXPECT_EQ(tally.refs, 1u);
}

MW_COM_INTERFACE(IBigWidget, "{8A1F0C1E-2B3D-4E5F-8071-92A3B4C5D6EA}") : public IWidget {
    virtual LONG Weight() = 0;
};
_COM_SMARTPTR_TYPEDEF(IBigWidget, __uuidof(IBigWidget));

// Answers for the base interface too, which ComObject leaves to the class.
class BigThing final : public mw::com::ComObject<IBigWidget> {
public:
    LONG Size() override { return 70; }
    LONG Weight() override { return 3; }

protected:
    void* find_interface(REFIID riid) noexcept override {
        if (riid == __uuidof(IWidget))
            return static_cast<IWidget*>(this);
        return ComObject::find_interface(riid);
    }
};

TEST(ComObject, AClassCanAnswerForMoreInterfaces) {
    constexpr CLSID big = mw::com::make_guid("{0D1E2F30-4152-6374-8596-A7B8C9DAEBFE}");
    const auto registration = mw::com::register_class(big, mw::com::factory_of<BigThing>());
    IWidgetPtr widget(big);
    ASSERT_TRUE(widget);
    EXPECT_EQ(widget->Size(), 70);
    IBigWidgetPtr heavy(widget);
    ASSERT_TRUE(heavy);
    EXPECT_EQ(heavy->Weight(), 3);
    EXPECT_FALSE(IGadgetPtr(widget));
    EXPECT_TRUE(IUnknownPtr(widget) == IUnknownPtr(heavy));
}

TEST(Apartment, NestedInitialisationAndModeChange) {
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
    EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
    CoUninitialize();
    CoUninitialize();
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    CoUninitialize();
}

TEST(OleRun, OurObjectsAlwaysRun) {
    Tally tally;
    IUnknownPtr p(static_cast<IWidget*>(mw::com::make_object<Thing>(tally)), false);
    EXPECT_EQ(OleRun(p), S_OK);
    EXPECT_EQ(OleRun(nullptr), E_INVALIDARG);
}

} // namespace
