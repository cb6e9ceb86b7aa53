#include "qbfc/msgset_request.h"

#include "qbfc/errors.h"
#include "qbfc/qbxml_writer.h"

#include <memory>
#include <vector>

namespace qbfc {
namespace {

struct RequestSetState {
    std::string version;
    ENRqOnError onError = roeStop;
    std::vector<NodePtr> requests;
};

class AttributesRqSet final : public mw::com::ComObject<IAttributesRqSet> {
public:
    explicit AttributesRqSet(std::shared_ptr<RequestSetState> state) : m_state(std::move(state)) {}
    void PutOnError(ENRqOnError onError) override {
        if (EnumName(onError).empty())
            Raise(E_INVALIDARG, "not an on-error setting: " + std::to_string(onError));
        m_state->onError = onError;
    }
    ENRqOnError GetOnError() override { return m_state->onError; }

private:
    std::shared_ptr<RequestSetState> m_state;
};

class MsgSetRequest final : public mw::com::ComObject<IMsgSetRequest> {
public:
    explicit MsgSetRequest(std::string version) : m_state(std::make_shared<RequestSetState>()) {
        m_state->version = std::move(version);
    }

    void ClearRequests() override { m_state->requests.clear(); }
    IAttributesRqSetPtr GetAttributes() override {
        return IAttributesRqSetPtr(mw::com::make_object<AttributesRqSet>(m_state), false);
    }
    _bstr_t ToXMLString() override {
        std::string text =
            WriteRequestSet({m_state->version, EnumName(m_state->onError), m_state->requests});
        return _bstr_t(mw::com::from_utf8(text).c_str());
    }
    _bstr_t GetQBXMLVersion() override {
        return _bstr_t(mw::com::from_utf8(m_state->version).c_str());
    }

    IHostQueryPtr AppendHostQueryRq() override { return Append<IHostQuery>("HostQueryRq"); }
    IGeneralDetailReportQueryPtr AppendGeneralDetailReportQueryRq() override {
        return Append<IGeneralDetailReportQuery>("GeneralDetailReportQueryRq");
    }
    IPurchaseOrderQueryPtr AppendPurchaseOrderQueryRq() override {
        return Append<IPurchaseOrderQuery>("PurchaseOrderQueryRq");
    }
    IPurchaseOrderModPtr AppendPurchaseOrderModRq() override {
        return Append<IPurchaseOrderMod>("PurchaseOrderModRq", "PurchaseOrderMod");
    }
    IPreferencesQueryPtr AppendPreferencesQueryRq() override {
        return Append<IPreferencesQuery>("PreferencesQueryRq");
    }
    ICompanyQueryPtr AppendCompanyQueryRq() override {
        return Append<ICompanyQuery>("CompanyQueryRq");
    }

private:
    // A modification's object sits one level below its ...Rq element.
    template <class I>
    _com_ptr_t<I> Append(std::string_view rqName, std::string_view objectName = {}) {
        auto request = std::make_shared<Node>(rqName, ValueType::Aggregate);
        m_state->requests.push_back(request);
        NodePtr viewed =
            objectName.empty() ? request : request->Add(objectName, ValueType::Aggregate);
        return detail::Wrap<I>(ViewState{viewed});
    }

    std::shared_ptr<RequestSetState> m_state;
};

} // namespace

IMsgSetRequestPtr MakeMsgSetRequest(std::string country, int major, int minor) {
    std::string version = std::to_string(major) + "." + std::to_string(minor);
    if (!country.empty() && country != "US")
        version = country + version;
    return IMsgSetRequestPtr(mw::com::make_object<MsgSetRequest>(std::move(version)), false);
}

} // namespace qbfc
