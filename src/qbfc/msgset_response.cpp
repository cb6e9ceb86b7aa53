#include "qbfc/msgset_response.h"

#include "qbfc/errors.h"
#include "qbfc/qbxml_reader.h"

#include <memory>

namespace qbfc {
namespace {

using DetailFactory = IQBBasePtr (*)(ViewState);

template <class I>
IQBBasePtr MakeDetail(ViewState state) {
    return IQBBasePtr(detail::Wrap<I>(std::move(state)));
}

// What each kind of response holds: its type id and the return object GetDetail gives. A
// query that may find several objects returns them as one list.
struct ResponseKind {
    std::string_view rsName;
    ENResponseType type;
    std::string_view retName;
    bool isList;
    DetailFactory factory;
};

const ResponseKind kResponseKinds[] = {
    {"HostQueryRs", rtHostQueryRs, "HostRet", false, &MakeDetail<IHostRet>},
    {"PurchaseOrderQueryRs", rtPurchaseOrderQueryRs, "PurchaseOrderRet", true,
     &MakeDetail<IPurchaseOrderRetList>},
    {"CompanyQueryRs", rtCompanyQueryRs, "CompanyRet", false, &MakeDetail<ICompanyRet>},
    {"PreferencesQueryRs", rtPreferencesQueryRs, "PreferencesRet", false,
     &MakeDetail<IPreferencesRet>},
    {"GeneralDetailReportQueryRs", rtGeneralDetailReportQueryRs, "ReportRet", false,
     &MakeDetail<IReportRet>},
    {"PurchaseOrderModRs", rtPurchaseOrderModRs, "PurchaseOrderRet", false,
     &MakeDetail<IPurchaseOrderRet>},
};

const ResponseKind* FindKind(std::string_view rsName) {
    for (const ResponseKind& kind : kResponseKinds)
        if (kind.rsName == rsName)
            return &kind;
    return nullptr;
}

_bstr_t Bstr(std::string_view utf8) {
    return _bstr_t(mw::com::from_utf8(utf8).c_str());
}

class ENResponseTypeValue final : public mw::com::ComObject<IENResponseType> {
public:
    explicit ENResponseTypeValue(ENResponseType value) : m_value(value) {}
    ENResponseType GetValue() override { return m_value; }

private:
    ENResponseType m_value;
};

class Response final : public mw::com::ComObject<IResponse> {
public:
    explicit Response(ParsedResponse parsed) : m_parsed(std::move(parsed)) {}

    long GetStatusCode() override { return m_parsed.status.code; }
    _bstr_t GetStatusMessage() override { return Bstr(m_parsed.status.message); }
    _bstr_t GetStatusSeverity() override { return Bstr(m_parsed.status.severity); }
    _bstr_t GetRequestID() override {
        NodePtr id = m_parsed.node->Find("requestID");
        return Bstr(id ? std::string_view(id->text) : std::string_view());
    }
    IQBBasePtr GetDetail() override {
        const ResponseKind* kind = FindKind(m_parsed.node->name);
        if (kind == nullptr)
            return nullptr;
        NodePtr ret = m_parsed.node->Find(kind->retName);
        if (!ret || ret->kind != ValueType::Aggregate)
            return nullptr;
        if (kind->isList)
            return kind->factory(ViewState{m_parsed.node, kind->retName});
        return kind->factory(ViewState{ret});
    }
    IENResponseTypePtr GetType() override {
        const ResponseKind* kind = FindKind(m_parsed.node->name);
        return IENResponseTypePtr(
            mw::com::make_object<ENResponseTypeValue>(kind ? kind->type : rtUnknown), false);
    }

private:
    ParsedResponse m_parsed;
};

struct ResponseSetState {
    std::string text;
    std::vector<ParsedResponse> responses;
};

class ResponseList final : public mw::com::ComObject<IResponseList> {
public:
    explicit ResponseList(std::shared_ptr<const ResponseSetState> state)
        : m_state(std::move(state)) {}
    long GetCount() override { return static_cast<long>(m_state->responses.size()); }
    IResponsePtr GetAt(long index) override {
        if (index < 0 || index >= GetCount())
            Raise(E_INVALIDARG, "response index " + std::to_string(index) + " is out of range");
        return IResponsePtr(
            mw::com::make_object<Response>(m_state->responses[static_cast<std::size_t>(index)]),
            false);
    }

private:
    std::shared_ptr<const ResponseSetState> m_state;
};

class MsgSetResponse final : public mw::com::ComObject<IMsgSetResponse> {
public:
    explicit MsgSetResponse(std::shared_ptr<const ResponseSetState> state)
        : m_state(std::move(state)) {}
    IResponseListPtr GetResponseList() override {
        return IResponseListPtr(mw::com::make_object<ResponseList>(m_state), false);
    }
    _bstr_t ToXMLString() override { return Bstr(m_state->text); }

private:
    std::shared_ptr<const ResponseSetState> m_state;
};

} // namespace

IMsgSetResponsePtr ReadMsgSetResponse(std::string text) {
    ParsedResponseSet parsed = ReadResponseSet(text);
    if (!parsed.error.empty())
        Raise(QBFC_E_PARSE, "the qbXML response could not be parsed: " + parsed.error);
    auto state = std::make_shared<ResponseSetState>();
    state->text = std::move(text);
    state->responses = std::move(parsed.responses);
    return IMsgSetResponsePtr(mw::com::make_object<MsgSetResponse>(std::move(state)), false);
}

} // namespace qbfc
