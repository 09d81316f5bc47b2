#include "vantor/framework/ClassTable.hpp"

#include "vantor/automation/AutomationError.hpp"
#include "vantor/automation/TextFunctions.hpp"
#include "vantor/framework/ClassCreators.hpp"
#include "vantor/framework/DialogPage.hpp"
#include "vantor/framework/PropertyPage.hpp"

namespace vantor {

namespace {

std::string_view Unbraced(std::string_view id) {
    if (id.size() >= 2 && id.front() == '{' && id.back() == '}') {
        return id.substr(1, id.size() - 2);
    }
    return id;
}

// The creators of the classes this build has, by class name.
std::function<std::shared_ptr<LibraryObject>()> CreatorOf(const std::string& name) {
    for (const auto& creators : {CellPageCreators(), BookPageCreators(), AppPageCreators(), DialogCreators(),
                                 ControlCreators()}) {
        for (const auto& [className, create] : creators) {
            if (className == name) {
                return create;
            }
        }
    }
    return {};
}

ClassProtocol ProtocolOf(std::string_view name) {
    if (name == "FontPreview") {
        return ClassProtocol::Control;
    }
    for (const char* dialog : {"SheetProtectPass", "CellStyles", "SheetChoice"}) {
        if (name == dialog) {
            return ClassProtocol::DialogPage;
        }
    }
    return ClassProtocol::PropertyPage;
}

ClassInfo Entry(const char* name, const char* classId, const char* defaultIid, const char* eventIid) {
    return ClassInfo{name, classId, defaultIid, eventIid, ProtocolOf(name), CreatorOf(name)};
}

// A new object of the class when it speaks the protocol, else null.
template <typename Page>
std::shared_ptr<Page> CreateSpeaking(std::string_view nameOrId, ClassProtocol protocol) noexcept {
    try {
        const ClassInfo* info = ClassTable::Find(nameOrId);
        if (info == nullptr || info->protocol != protocol || !info->create) {
            return nullptr;
        }
        return std::dynamic_pointer_cast<Page>(info->create());
    } catch (...) {
        return nullptr;
    }
}

} // namespace

const std::vector<ClassInfo>& ClassTable::Classes() {
    static const std::vector<ClassInfo> classes = {
        Entry("AppPropDefault", "{ACF338D1-EEFD-4791-8CED-95EE00954774}", "{496AD51A-7C26-4F51-B79A-51FA6BD9DA23}",
              "{1564AFA0-C42D-4003-9E60-C7E9A953C67B}"),
        Entry("BookPropGeneral", "{6462BD44-8F86-40A4-B0E9-9EFCFE6D6B5A}", "{175E2951-B13B-41C1-8C36-F1E8D571E2CC}",
              "{4D71A5FA-6801-4E44-A6AA-EC47D343F1B0}"),
        Entry("CellPropAlign", "{7DC6D336-3DF2-494F-B77E-E472A834CA69}", "{7D0FF3B2-DB0B-4D81-A427-316AB7806869}",
              "{850F3709-41D8-4AAF-91CC-B93A86AFF8D2}"),
        Entry("CellPropBorder", "{81541003-B256-410D-BD45-022420B05E67}", "{BB684122-1B73-4E9C-9678-797B0C5A9A00}",
              "{06F43347-EB04-4CE9-9A08-721713094E94}"),
        Entry("CellPropControl", "{15A6DE53-D82B-414F-89C9-572434107886}", "{01FBBEB2-A3B6-4E3B-B85B-E14A8B16CFC2}",
              "{7DD7DF95-18E2-42D3-8CAF-9DB49F1887D7}"),
        Entry("FontPreview", "{2F910AC3-44C9-442B-8330-2FA09DBC0979}", "{81F60C11-27C4-4193-B4FE-46792B832910}",
              "{4E86B6A0-3412-4BBB-AECC-2E5BCC834F4E}"),
        Entry("CellPropFormat", "{5B7BB89F-018B-4651-9198-3DB2C6ACA10C}", "{620F31E9-7726-4EB7-8FBC-B48DDF360A06}",
              "{8DBFBAB2-D27E-4A8F-866B-3F2A419B8F16}"),
        Entry("CellPropOther", "{9341186B-2888-4702-A2FC-2DFEB1AD7F4C}", "{EBC7F24A-3505-4EBE-86E9-9E02B4779262}",
              "{BA98C17D-F24F-424B-83CE-25C363E52AF0}"),
        Entry("SheetPropDefault", "{9977E1E3-75A9-4341-B1BD-55DFFFD54E7B}", "{39F222D8-AA48-4F3F-99F2-AB86F29AB02B}",
              "{97C59DC3-1D07-4D35-BA6B-CC1B2C5D66AA}"),
        Entry("SheetPropProtect", "{8655C4F7-578E-4CE6-960B-D8987ADA7BD4}", "{410712CA-E88A-414B-AD94-48D48D757542}",
              "{7A225D81-54C0-4ECF-BA40-3D68D0D71DB7}"),
        Entry("SheetPropView", "{DD410810-5F00-4B32-9CD6-17F34F5602CC}", "{57FF879F-9BA6-4723-97C2-5474FC0F09FC}",
              "{4BF950A1-6FB9-41B7-815C-0E010FEAD354}"),
        Entry("SheetProtectPass", "{B7CD283D-3D7E-421B-85B6-711A7EAACB22}", "{6146C913-9B97-4CC1-8219-2D301D40E1CF}",
              "{B339D76C-0B80-4243-922C-4AED35269914}"),
        Entry("CellStyles", "{2E365FC8-10C7-4B56-9F10-AA84B3E7E980}", "{10A26657-CB58-4C9C-8555-26AD797D3747}",
              "{E94A3182-7429-47D2-8D65-B1AD89A0B456}"),
        Entry("SheetChoice", "{6266E252-815E-4C59-8A24-E4128F046A3B}", "{FB45643D-7DC8-4E35-AA62-141664852640}",
              "{3F168431-A3E1-455D-BD58-A62517A76188}"),
        Entry("BookPropCalc", "{C385DE50-9CE9-4468-ABEC-E4E62B84E214}", "{14EF3433-2399-4A33-8D23-105549BE0FAA}",
              "{395146E7-CA82-4949-9F36-41E6B4B63A7E}"),
        Entry("CellPropBackGround", "{4CFC2CA5-A36B-426D-8020-1C1E796466CC}", "{5728B56E-8D2D-4206-A8C0-683CEE7A6A42}",
              "{3B59C543-B593-41D6-A11B-06F541562563}"),
        Entry("BookandSheetProp", "{159EA56D-62BB-43CB-9F47-597DFA4EECE0}", "{CFBF7356-9DA5-4740-A7EF-880E862900CE}",
              "{7990C689-14F0-4DB8-B178-4618E42272E0}"),
        Entry("CellPropFont", "{BBF7ED82-2A1D-49D6-AFD2-F187ED568C31}", "{CFA89086-D174-41B2-B541-6D5C00C25A00}",
              "{658E146C-F1DA-4B3A-8A55-B9DA1B528C3B}"),
        Entry("AppProp", "{42AF999A-AD63-41AD-9819-6EB42844D212}", "{351C7CD8-50B9-49D5-90B6-1FB1D8C00E19}",
              "{268733FC-7D1F-41FC-8E73-7C49404FCB6D}"),
        Entry("AppMisc", "{5A522AFD-D309-4720-AF71-8DDF12D33064}", "{B4979AF7-48EA-4624-9389-3B711F118526}",
              "{3415C558-59B2-4ABA-8496-C56AF55B5CD4}"),
    };
    return classes;
}

const ClassInfo* ClassTable::Find(std::string_view nameOrId) {
    std::string_view name = nameOrId;
    if (name.size() > 7 && EqualsIgnoreCase(name.substr(0, 7), "Vantor.")) {
        name = name.substr(7);
    }
    for (const ClassInfo& info : Classes()) {
        if (EqualsIgnoreCase(info.name, name) || EqualsIgnoreCase(Unbraced(info.classId), Unbraced(nameOrId))) {
            return &info;
        }
    }
    return nullptr;
}

std::shared_ptr<LibraryObject> ClassTable::Create(std::string_view nameOrId) {
    const ClassInfo* info = Find(nameOrId);
    if (info == nullptr) {
        throw AutomationError(err::CannotCreateObject, "The library has no class " + std::string(nameOrId));
    }
    if (!info->create) {
        throw AutomationError(err::CannotCreateObject, "The class " + info->ProgId() + " is not available in this build");
    }
    return info->create();
}

std::shared_ptr<PropertyPage> ClassTable::CreatePropertyPage(std::string_view nameOrId) noexcept {
    return CreateSpeaking<PropertyPage>(nameOrId, ClassProtocol::PropertyPage);
}

std::shared_ptr<DialogPage> ClassTable::CreateDialogPage(std::string_view nameOrId) noexcept {
    return CreateSpeaking<DialogPage>(nameOrId, ClassProtocol::DialogPage);
}

} // namespace vantor
