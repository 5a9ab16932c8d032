// The launcher's resource script, compiled into this test program and read back through the
// platform: icon group 101 with its 20 images, and the manifest that asks for elevation.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct Resource {
    const uint8_t* data;
    DWORD size;
};

Resource Find(const char* name, const char* type) {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(self, name, type);
    if (found == nullptr) return {nullptr, 0};
    return {static_cast<const uint8_t*>(LockResource(LoadResource(self, found))),
            SizeofResource(self, found)};
}

TEST(Resources, IconGroup101HoldsTwentyImagesThatLoad) {
    Resource group = Find(MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group.data, nullptr);
    ASSERT_GE(group.size, 6u);
    uint32_t count = group.data[4] | group.data[5] << 8;
    EXPECT_EQ(count, 20u);
    ASSERT_EQ(group.size, 6 + 14 * count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* entry = group.data + 6 + 14 * i;
        uint32_t id = entry[12] | entry[13] << 8;
        Resource image = Find(MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
        ASSERT_NE(image.data, nullptr) << "image " << id;
        EXPECT_EQ(image.size, static_cast<DWORD>(entry[8] | entry[9] << 8 | entry[10] << 16));
    }
    for (int size : {16, 24, 32, 48, 64}) {
        HANDLE icon =
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(101), IMAGE_ICON, size, size, 0);
        EXPECT_NE(icon, nullptr) << size;
        if (icon != nullptr) DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST(Resources, ManifestAsksForAdministratorRightsWithoutUiAccess) {
    Resource manifest = Find(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(manifest.data, nullptr);
    std::string text(reinterpret_cast<const char*>(manifest.data), manifest.size);
    EXPECT_NE(text.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(text.find("uiAccess=\"false\""), std::string::npos);
}

// The system reads a manifest as an activation context when it starts the program or loads the
// library; one it cannot read stops that. This program carries the launcher's manifest.
TEST(Resources, TheLaunchersAndThePlugInsManifestsRead) {
    wchar_t self[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, self, MAX_PATH), 0u);
    const struct {
        const wchar_t* file;
        WORD id;
    } manifests[] = {{self, 1}, {VARORIZO_CARTOONS, 2}};
    for (const auto& manifest : manifests) {
        SCOPED_TRACE(testing::Message() << manifest.id);
        ACTCTXW context{};
        context.cbSize = sizeof(context);
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = manifest.file;
        context.lpResourceName = MAKEINTRESOURCEW(manifest.id);
        HANDLE read = CreateActCtxW(&context);
        EXPECT_NE(read, INVALID_HANDLE_VALUE) << "error " << GetLastError();
        if (read != INVALID_HANDLE_VALUE) ReleaseActCtx(read);
    }
}

}  // namespace
