#ifndef XSNODE_H
#define XSNODE_H

// Base of the schema model objects, so that the schema can own them all.
class XsNode
{
public:
    virtual ~XsNode() = default;
};

#endif // XSNODE_H
