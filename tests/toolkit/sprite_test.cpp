#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "toolkit/bitmap_bank.h"
#include "toolkit/sprite.h"
#include "toolkit/toolkit_files.h"

class SpriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        toolkit_test::WritePng(dir + "pic.png", 8, 8, 0xffffffff);
        for (const char* frame : {"f1", "f2", "f3"}) {
            toolkit_test::WritePng(dir + frame + ".png", 4, 4, 0xff808080);
        }
        toolkit_test::WriteFile(dir + "walk.csv", "f1,6\nf2,6\nf3,12\n");
    }

    std::string dir = toolkit_test::ScratchDir("sprite");
};

TEST_F(SpriteTest, PicturePathGivesOneFrameAndScriptPathAFrameList) {
    const MasterSpritePtr single = _kwa_MasterSprite::Create(dir + "PIC.PNG");
    ASSERT_NE(single->Image(), nullptr);
    EXPECT_FLOAT_EQ(AnimationControllerBank().GetControllerMaxTime(single->ControllerID()), 0.0f);

    const MasterSpritePtr walk = _kwa_MasterSprite::Create(dir + "walk.csv");
    EXPECT_NEAR(AnimationControllerBank().GetControllerMaxTime(walk->ControllerID()), 0.4f, 1e-6);
    EXPECT_NE(walk->Image(), nullptr);
    single->Destroy();
    walk->Destroy();
}

TEST_F(SpriteTest, UpdateSkipsTinyStepsAndWrapsOncePerUpdate) {
    const MasterSpritePtr walk = _kwa_MasterSprite::Create(dir + "walk.csv");
    walk->Update(0.0005f);
    EXPECT_FLOAT_EQ(walk->m_fTime, 0.0f);
    walk->m_fTime = 0.3f;
    walk->Update(0.5f);
    EXPECT_NEAR(walk->m_fTime, 0.4f, 1e-6);
    walk->Update(1.0f);  // 1.4: still only one running time off
    EXPECT_NEAR(walk->m_fTime, 1.0f, 1e-6);
    walk->Destroy();
}

TEST_F(SpriteTest, DefinitionFileStopsAtTheFirstEmptyLine) {
    toolkit_test::WriteFile(dir + "pic.txt",
                            "xhandle=3\nblendtype=1\n\nyhandle=7\n<s>\ndata0=2\n</s>\n");
    const MasterSpritePtr sprite = _kwa_MasterSprite::Create(dir + "pic.png");
    ASSERT_NE(sprite->Image(), nullptr);
    EXPECT_FLOAT_EQ(sprite->Image()->handle_x, 3.0f);
    EXPECT_FLOAT_EQ(sprite->Image()->handle_y, 0.0f);
    EXPECT_EQ(sprite->m_iBlendType, 1);
    EXPECT_EQ(sprite->m_AnimatorS, nullptr);
    sprite->Destroy();
}

TEST_F(SpriteTest, DefinitionFileWithEveryKey) {
    toolkit_test::WriteFile(dir + "pic.txt",
                            "xhandle=22\nyhandle=7\n<x>\ndata[0]=505\n</x>\n <y>\n"
                            "<s>\ndata0=1\ndata1=500\ndata2=0.2\nrepeat=1\nscript=1\n</s>\n");
    const MasterSpritePtr sprite = _kwa_MasterSprite::Create(dir + "pic.png");
    EXPECT_FLOAT_EQ(sprite->Image()->handle_x, 22.0f);
    EXPECT_FLOAT_EQ(sprite->Image()->handle_y, 7.0f);
    ASSERT_NE(sprite->m_AnimatorX, nullptr);
    EXPECT_FLOAT_EQ(sprite->m_AnimatorX->Value(), 505.0f);
    EXPECT_EQ(sprite->m_AnimatorY, nullptr);  // a key must start its line
    ASSERT_NE(sprite->m_AnimatorS, nullptr);
    EXPECT_EQ(sprite->m_AnimatorS->scriptID, ANIM_SCRIPT_SINE);
    EXPECT_EQ(sprite->m_iBlendType, 0);
    sprite->Destroy();
}

TEST_F(SpriteTest, InstancesStartAtZeroAndRunOnTheirOwn) {
    toolkit_test::WriteFile(dir + "walk.txt", "blendtype=1\n<x>\ndata1=100\ndata2=1000\n</x>\n");
    const MasterSpritePtr master = _kwa_MasterSprite::Create(dir + "walk.csv");
    master->Update(0.25f);
    const SpriteInstancePtr instance = master->CreateInstance();
    EXPECT_FLOAT_EQ(instance->m_fTime, 0.0f);
    EXPECT_EQ(instance->ControllerID(), master->ControllerID());
    EXPECT_EQ(instance->m_iBlendType, 1);
    ASSERT_NE(instance->m_AnimatorX, nullptr);
    EXPECT_NE(instance->m_AnimatorX, master->m_AnimatorX);
    EXPECT_FLOAT_EQ(instance->m_AnimatorX->Value(), 0.0f);
    instance->Update(0.1f);
    EXPECT_NEAR(master->m_fTime, 0.25f, 1e-6);
    EXPECT_NEAR(instance->m_AnimatorX->Value(), 10.0f, 1e-4);
    EXPECT_NEAR(master->m_AnimatorX->Value(), 25.0f, 1e-4);

    master->ResetTime();
    EXPECT_FLOAT_EQ(master->m_fTime, 0.0f);
    EXPECT_FLOAT_EQ(master->m_AnimatorX->Value(), 0.0f);
    master->RandomizeTime();
    EXPECT_GE(master->m_fTime, 0.0f);
    EXPECT_LT(master->m_fTime, 0.4f);
    instance->Destroy();
    master->Destroy();
}

TEST_F(SpriteTest, DestroyReleasesBitmapsOnceAndCopesWithSecondCall) {
    const MasterSpritePtr a = _kwa_MasterSprite::Create(dir + "walk.csv");
    const int frame = AnimationControllerBank().GetBitmapID(a->ControllerID(), 0.0f);
    EXPECT_EQ(BitmapBank().AccessCount(frame), 1);
    a->Destroy();
    EXPECT_EQ(BitmapBank().GetEntry(frame), nullptr);
    EXPECT_EQ(a->ControllerID(), CONTROLLER_NONE);

    const MasterSpritePtr b = _kwa_MasterSprite::Create(dir + "pic.png");
    a->Destroy();  // must not destroy b's sequence, which may sit in a's old slot
    EXPECT_NE(b->Image(), nullptr);
    EXPECT_EQ(a->Image(), nullptr);
    EXPECT_EQ(a->DrawDirect(0, 0, 0.1f), 0);
    b->Destroy();
}

TEST_F(SpriteTest, DrawDirectSetsBlendRotationAndScale) {
    toolkit_test::WriteFile(dir + "pic.txt",
                            "blendtype=2\n<r>\ndata0=30\n</r>\n<s>\ndata0=2\n</s>\n");
    const MasterSpritePtr alpha = _kwa_MasterSprite::Create(dir + "pic.png");
    SetBlend(BLEND_SOLID);
    alpha->DrawDirect(0, 0, 0.0f);
    EXPECT_EQ(GetBlend(), BLEND_ALPHA);
    EXPECT_FLOAT_EQ(GetRotation(), 30.0f);
    float sx = 0, sy = 0;
    GetScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 2.0f);

    toolkit_test::WriteFile(dir + "pic.txt", "blendtype=1\n");
    const MasterSpritePtr light = _kwa_MasterSprite::Create(dir + "pic.png");
    light->m_iR = 15;
    light->DrawDirect(0, 0, 0.0f);
    EXPECT_EQ(GetBlend(), BLEND_LIGHT);
    EXPECT_FLOAT_EQ(GetRotation(), 15.0f);
    alpha->Destroy();
    light->Destroy();
    SetRotation(0);
    SetScale(1, 1);
    SetBlend(BLEND_ALPHA);
}

TEST_F(SpriteTest, FullControllerBankGivesASpriteThatDrawsNothing) {
    std::vector<int> taken;
    for (int id = AnimationControllerBank().CreateDummyController(dir + "pic.png");
         id != CONTROLLER_NONE;
         id = AnimationControllerBank().CreateDummyController(dir + "pic.png")) {
        taken.push_back(id);
    }
    toolkit_test::WriteFile(dir + "pic.txt", "xhandle=3\n<x>\ndata0=5\n</x>\n");
    const MasterSpritePtr sprite = _kwa_MasterSprite::Create(dir + "pic.png");
    EXPECT_EQ(sprite->ControllerID(), CONTROLLER_NONE);
    EXPECT_EQ(sprite->Image(), nullptr);
    EXPECT_EQ(sprite->Draw(0.5f), 0);
    EXPECT_EQ(sprite->DrawDirectEx(0, 0), 0);
    EXPECT_EQ(sprite->RandomizeTime(), 0);
    EXPECT_FLOAT_EQ(sprite->m_fTime, 0.0f);
    EXPECT_EQ(sprite->CreateInstance()->ControllerID(), CONTROLLER_NONE);
    sprite->Destroy();
    for (const int id : taken) {
        AnimationControllerBank().DestroyAnimationController(id);
    }
    EXPECT_EQ(AnimationControllerBank().UsedSlots(), 0);
}
