#include "eventsingelton.h"

#include "assertion.h"

PostMaster* PostMaster::ourInstance = nullptr;

void PostMaster::Create()
{
    MARROWEN_ASSERT(ourInstance == nullptr && "PostMaster has already been created",
                    "eventsingelton");
    ourInstance = new PostMaster();
}

void PostMaster::Destroy()
{
    delete ourInstance;
    ourInstance = nullptr;
}

PostMaster* PostMaster::GetInstance()
{
    MARROWEN_ASSERT(ourInstance != nullptr && "ourInstance has not been initialized",
                    "eventsingelton");
    return ourInstance;
}
