// A recording map application object and platform for the bridge's portable logic.
#pragma once

#include "map_automation.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// What the fake map objects share with the test: the calls made, in order, and the answers.
struct FakeMapWorld {
    std::vector<std::string> calls;
    std::set<std::string> failing; // member names whose calls fail
    int16_t nextTextId = 100;
    int32_t latitude = 128483456;
    int32_t longitude = 503100000; // 139/45/00000
    std::string markLatitude = "35/41/23456";
    std::string markLongitude = "139/45/00000";
    std::map<std::string, std::string> layerNames = {{"4", "layer four"}};
    int objectsAlive = 0;
    // Called at every call with the member's name, as the call waits for the map.
    std::function<void(const std::string&)> onCall;
};

class FakeMap : public MapAutomation {
  public:
    FakeMap(FakeMapWorld* world, std::string name) : world_(world), name_(std::move(name)) {
        ++world_->objectsAlive;
    }
    ~FakeMap() override { --world_->objectsAlive; }

    int EnableMark(int16_t enable) override { return Call("EnableMark(" + std::to_string(enable) + ")"); }
    int SetEventWindow(int32_t window, int16_t message) override {
        return Call("SetEventWindow(" + std::to_string(window) + "," + std::to_string(message) + ")");
    }
    int MoveTo(const char* latitude, const char* longitude) override {
        return Call("MoveTo(" + std::string(latitude) + "," + longitude + ")");
    }
    int AddTextEx(const char* latitude, const char* longitude, const char* label, int16_t option1,
                  int16_t option2, const char* anchorLatitude, const char* anchorLongitude,
                  int16_t* id) override {
        if (Call("AddTextEx(" + std::string(latitude) + "," + longitude + "," + label + "," +
                 std::to_string(option1) + "," + std::to_string(option2) + "," + anchorLatitude + "," +
                 anchorLongitude + ")") < 0)
            return -1;
        *id = world_->nextTextId++;
        return 0;
    }
    int DeleteText(int16_t id) override { return Call("DeleteText(" + std::to_string(id) + ")"); }
    int LayerName(const char* layer, char* name, size_t size) override {
        if (Call("LayerName(" + std::string(layer) + ")") < 0) return -1;
        snprintf(name, size, "%s", world_->layerNames[layer].c_str());
        return 0;
    }
    int ChangeLayer(const char* name) override { return Call("ChangeLayer(" + std::string(name) + ")"); }
    int MarkLatitude(char* text, size_t size) override {
        if (Call("MarkLatitude") < 0) return -1;
        snprintf(text, size, "%s", world_->markLatitude.c_str());
        return 0;
    }
    int MarkLongitude(char* text, size_t size) override {
        if (Call("MarkLongitude") < 0) return -1;
        snprintf(text, size, "%s", world_->markLongitude.c_str());
        return 0;
    }
    int SetVisible(int16_t visible) override { return Call("Visible=" + std::to_string(visible)); }
    int GetLat(int32_t* value) override {
        *value = world_->latitude;
        return Call("GetLat");
    }
    int GetLon(int32_t* value) override {
        *value = world_->longitude;
        return Call("GetLon");
    }
    int DeleteAllCustom() override { return Call("DeleteAllCustom"); }
    int AddIcon(int32_t longitude, int32_t latitude, const char* label, const char* note, int16_t option1,
                int16_t option2, int16_t option3, int32_t colour1, int32_t colour2,
                int16_t option4) override {
        return Call("AddIcon(" + std::to_string(longitude) + "," + std::to_string(latitude) + "," + label +
                    "," + note + "," + std::to_string(option1) + "," + std::to_string(option2) + "," +
                    std::to_string(option3) + "," + std::to_string(colour1) + "," + std::to_string(colour2) +
                    "," + std::to_string(option4) + ")");
    }
    int Move(int32_t longitude, int32_t latitude) override {
        return Call("Move(" + std::to_string(longitude) + "," + std::to_string(latitude) + ")");
    }

  private:
    int Call(const std::string& call) {
        world_->calls.push_back(name_ + "." + call);
        std::string member = call.substr(0, call.find_first_of("(="));
        if (world_->onCall) world_->onCall(member);
        return world_->failing.count(member) ? -1 : 0;
    }
    FakeMapWorld* world_;
    std::string name_;
};

struct Posted {
    uintptr_t window;
    uint32_t message;
    uint32_t wParam;
    intptr_t lParam;
    bool operator==(const Posted& other) const {
        return window == other.window && message == other.message && wParam == other.wParam &&
               lParam == other.lParam;
    }
};

class FakeHost : public BridgeHost {
  public:
    explicit FakeHost(FakeMapWorld* world) : world_(world) {}

    uintptr_t FindWindowByTitle(const char* title) override {
        ++finds;
        return strcmp(title, "Markwerk") == 0 ? editorWindow : 0;
    }
    int PostToWindow(uintptr_t window, uint32_t message, uint32_t wParam, intptr_t lParam) override {
        posted.push_back({window, message, wParam, lParam});
        return 0;
    }
    void ShowInformation(const char* text, const char* title) override {
        boxes.push_back(std::string("info:") + title + ":" + text);
    }
    void ShowWarning(const char* text, const char* title) override {
        boxes.push_back(std::string("warning:") + title + ":" + text);
        if (onBox) onBox();
    }
    void ShowIdentifier(const char* identifier) override { shownIdentifier = identifier; }
    std::unique_ptr<MapAutomation> GetMapObject(const char* identifier) override {
        attempts.push_back(std::string("get:") + identifier);
        if (!registered.count(identifier) || failGet) return nullptr;
        return std::make_unique<FakeMap>(world_, identifier);
    }
    std::unique_ptr<MapAutomation> CreateMapObject(const char* identifier) override {
        attempts.push_back(std::string("create:") + identifier);
        if (!registered.count(identifier)) return nullptr;
        return std::make_unique<FakeMap>(world_, identifier);
    }

    uintptr_t editorWindow = 0x1234;
    std::set<std::string> registered = {"ProAtlasW.Map", "ProAtlasW2.Map", "ProAtlasW3.Map", "ProAtlasSV.Map",
                                        "Mapple.Document"};
    bool failGet = false;
    // Called while a box is open, as its message loop runs.
    std::function<void()> onBox;
    int finds = 0;
    std::vector<Posted> posted;
    std::vector<std::string> boxes;
    std::vector<std::string> attempts;
    std::string shownIdentifier;

  private:
    FakeMapWorld* world_;
};
