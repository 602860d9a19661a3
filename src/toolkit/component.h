#pragma once
// Components: an owner that frees them, a Name, a Tag, and the list of the
// components they own, in creation order.
#include "toolkit/persistent.h"

#include <any>
#include <string>
#include <vector>

class TComponent : public TPersistent {
    VELMORA_CLASS()
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override; // frees the owned components, last first
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }
    TComponent* FindComponent(const std::wstring& name) const; // case-insensitive
    template <class T> T* Find(const std::wstring& name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }

    std::wstring Name() const { return name_; }
    void SetName(const std::wstring& name) { name_ = name; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    // True between the form reader's creation of the component and Loaded.
    bool Loading() const { return loading_; }
    void BeginLoading() { loading_ = true; }
    // Called once after the whole form description has been read.
    virtual void Loaded() { loading_ = false; }

    // The form reader found this component nested inside `parent`.
    virtual void SetParentComponent(TComponent* parent) {}

    // A handler of this component (a form's published method) by name, as
    // the typed std::function its event property holds; empty if unknown.
    virtual std::any MethodAddress(const std::wstring& name) { return {}; }

private:
    void InsertComponent(TComponent* c) { components_.push_back(c); }
    void RemoveComponent(TComponent* c);

    TComponent* owner_;
    std::vector<TComponent*> components_;
    std::wstring name_;
    int tag_ = 0;
    bool loading_ = false;
};
